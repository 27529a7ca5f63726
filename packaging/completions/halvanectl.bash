# bash completion for halvanectl: commands, options, profile numbers with their names from the
# settings file, backup numbers, file names.

# "N<TAB>Name" for each profile of the settings file; numbers alone when it cannot be read.
_halvanectl_profiles() {
  local file=${HALVANE_SETTINGS:-${XDG_CONFIG_HOME:-$HOME/.config}/halvane/com.halvane.keyboard.plist}
  local names=""
  [[ -r $file ]] && names=$(awk '
    /<key>Name<\/key>/ { want = 1; next }
    want && /<string/ {
      name = $0; sub(/^[^<]*<string>/, "", name); sub(/<\/string>.*$/, "", name)
      if (name ~ /<string\/>/) name = ""
      gsub(/&lt;/, "<", name); gsub(/&gt;/, ">", name); gsub(/&amp;/, "\\&", name)
      print ++n "\t" name; want = 0 }' "$file" 2>/dev/null)
  [[ -n $names ]] || names=$(printf '%s\n' 1 2 3 4 5 6 7 8 9 10)
  printf '%s\n' "$names"
}

# "N<TAB>time" for each backup, as halvanectl backups numbers them.
_halvanectl_backups() {
  "${1:-halvanectl}" backups 2>/dev/null | awk '$1 ~ /^[0-9]+$/ { print $1 "\t" $2 " " $3 }'
}

# Offers numbered choices; with more than one, each shows as "4 -- Games".
_halvanectl_numbered() {
  local cur=$1 line number label
  local -a numbers=() shown=()
  while IFS=$'\t' read -r number label; do
    [[ $number == "$cur"* ]] || continue
    numbers+=("$number")
    shown+=("$number -- ${label:-(no name)}")
  done
  if ((${#numbers[@]} == 1)); then
    COMPREPLY=("${numbers[0]}")
  else
    COMPREPLY=("${shown[@]}")
  fi
}

_halvanectl() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local commands="profile reload watch front doctor check export import backups restore help"
  if ((COMP_CWORD == 1)); then
    mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
    return
  fi
  local command=${COMP_WORDS[1]} position=$((COMP_CWORD - 1))
  case $command:$position in
    profile:1 | export:1 | import:1) _halvanectl_numbered "$cur" < <(_halvanectl_profiles) ;;
    restore:1) _halvanectl_numbered "$cur" < <(_halvanectl_backups "${COMP_WORDS[0]}") ;;
    check:1 | export:2 | import:2) compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -f -- "$cur") ;;
    front:1) mapfile -t COMPREPLY < <(compgen -W "--watch" -- "$cur") ;;
    doctor:1) mapfile -t COMPREPLY < <(compgen -W "--desktop-hint" -- "$cur") ;;
    *) COMPREPLY=() ;;
  esac
}
complete -F _halvanectl halvanectl
