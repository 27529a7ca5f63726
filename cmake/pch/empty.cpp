// The precompiled Qt headers are built with this file's target; the file itself holds nothing.
