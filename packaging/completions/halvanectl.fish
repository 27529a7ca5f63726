# fish completion for halvanectl: commands, options, profile numbers with their names from the
# settings file, backup numbers, file names.

# "N<TAB>Name" for each profile of the settings file; numbers alone when it cannot be read.
function __halvanectl_profiles
    set -l config $HOME/.config
    set -q XDG_CONFIG_HOME; and set config $XDG_CONFIG_HOME
    set -l file $config/halvane/com.halvane.keyboard.plist
    set -q HALVANE_SETTINGS; and set file $HALVANE_SETTINGS
    set -l found
    test -r $file; and set found (awk '
        /<key>Name<\/key>/ { want = 1; next }
        want && /<string/ {
          name = $0; sub(/^[^<]*<string>/, "", name); sub(/<\/string>.*$/, "", name)
          if (name ~ /<string\/>/) name = ""
          gsub(/&lt;/, "<", name); gsub(/&gt;/, ">", name); gsub(/&amp;/, "\\\\&", name)
          print ++n "\t" name; want = 0 }' $file 2>/dev/null)
    test (count $found) -gt 0; or set found (seq 1 10)
    printf '%s\n' $found
end

function __halvanectl_backups
    set -l program (commandline -opc)[1]
    $program backups 2>/dev/null | awk '$1 ~ /^[0-9]+$/ { print $1 "\t" $2 " " $3 }'
end

# True when the word being completed is argument N after the command named.
function __halvanectl_argument -a n
    set -l words (commandline -opc)
    test (count $words) -eq (math $n + 1); and contains -- $words[2] $argv[2..-1]
end

complete -c halvanectl -f
complete -c halvanectl -n __fish_use_subcommand -l help -d 'print a summary of the commands'
complete -c halvanectl -n __fish_use_subcommand -l version -d 'print the version'
complete -c halvanectl -n __fish_use_subcommand -a profile -d 'print or switch the current profile'
complete -c halvanectl -n __fish_use_subcommand -a reload -d 'make the helper read the settings again'
complete -c halvanectl -n __fish_use_subcommand -a watch -d 'print each profile change'
complete -c halvanectl -n __fish_use_subcommand -a front -d 'what the helper sees in front'
complete -c halvanectl -n __fish_use_subcommand -a doctor -d 'check everything the keyboard needs'
complete -c halvanectl -n __fish_use_subcommand -a check -d 'check a settings file'
complete -c halvanectl -n __fish_use_subcommand -a export -d 'write profile N to a file'
complete -c halvanectl -n __fish_use_subcommand -a import -d 'replace profile N from a file'
complete -c halvanectl -n __fish_use_subcommand -a backups -d 'list the kept earlier settings'
complete -c halvanectl -n __fish_use_subcommand -a restore -d 'put backup N back'
complete -c halvanectl -n __fish_use_subcommand -a help -d 'print a summary of the commands'
complete -c halvanectl -n '__halvanectl_argument 1 profile export import' -a '(__halvanectl_profiles)'
complete -c halvanectl -n '__halvanectl_argument 1 restore' -a '(__halvanectl_backups)'
complete -c halvanectl -n '__halvanectl_argument 1 check' -F
complete -c halvanectl -n '__halvanectl_argument 2 export import' -F
complete -c halvanectl -n '__halvanectl_argument 1 front' -l watch -d 'again after each switch'
complete -c halvanectl -n '__halvanectl_argument 1 doctor' -l desktop-hint -d 'only the step this desktop needs'
