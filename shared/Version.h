#pragma once

// The one version of every program and package: CMake's project version, set on this file's
// source alone so that a new version recompiles one file.
namespace halvane {

const char* version();

// With "--version" among the arguments, prints "<program> <version>" on standard output and
// returns true; the caller then exits with status 0 before it needs a display or a bus.
bool printVersionIfAsked(int argc, char* argv[], const char* program);

}  // namespace halvane
