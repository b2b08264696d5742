# bash completion for vellix: commands, options, GEDCOM files, folders and
# the keys of the option set (asked of `vellix options keys`).

_vellix_keys() {
  local program=${COMP_WORDS[0]}
  "$program" options keys 2>/dev/null
}

_vellix() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=${COMP_WORDS[COMP_CWORD-1]}
  COMPREPLY=()

  if ((COMP_CWORD == 1)); then
    COMPREPLY=($(compgen -W "generate info view options attributes help --help --version" -- "$cur"))
    return
  fi

  case ${COMP_WORDS[1]} in
    generate)
      case $prev in
        -o | --out)
          compopt -o filenames 2>/dev/null
          COMPREPLY=($(compgen -d -- "$cur"))
          return
          ;;
        -m | --mode)
          COMPREPLY=($(compgen -W "all copy-media skip-media families index sample bibliography 0 1 2 3 4 5 6" -- "$cur"))
          return
          ;;
        --options)
          compopt -o filenames 2>/dev/null
          COMPREPLY=($(compgen -f -- "$cur"))
          return
          ;;
      esac
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "-o --out -m --mode --options --keep-stale --record-cache -y --yes -n --no -q --quiet -v --verbose -h --help" -- "$cur"))
      else
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -X '!*.[gG][eE][dD]' -- "$cur") $(compgen -d -- "$cur"))
      fi
      ;;
    info)
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--json -h --help" -- "$cur"))
      else
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -X '!*.[gG][eE][dD]' -- "$cur") $(compgen -d -- "$cur"))
      fi
      ;;
    view)
      COMPREPLY=($(compgen -W "--print -h --help" -- "$cur"))
      ;;
    help)
      ((COMP_CWORD == 2)) && COMPREPLY=($(compgen -W "generate info view options attributes" -- "$cur"))
      ;;
    options)
      if ((COMP_CWORD == 2)); then
        COMPREPLY=($(compgen -W "path list get set export import reset summary use new keys help -h --help" -- "$cur"))
        return
      fi
      if [[ $cur == -* ]]; then
        local flags="-y --yes -n --no -h --help"
        [[ ${COMP_WORDS[2]} == list ]] && flags="--changed --json $flags"
        [[ ${COMP_WORDS[2]} == summary ]] && flags="--print $flags"
        COMPREPLY=($(compgen -W "$flags" -- "$cur"))
        return
      fi
      case ${COMP_WORDS[2]} in
        get | set)
          if ((COMP_CWORD == 3)); then
            COMPREPLY=($(compgen -W "$(_vellix_keys)" -- "$cur"))
          elif ((COMP_CWORD == 4)) && [[ ${COMP_WORDS[2]} == set && ${COMP_WORDS[3]} == b* ]]; then
            COMPREPLY=($(compgen -W "yes no" -- "$cur"))
          fi
          ;;
        export | import | use | new)
          if ((COMP_CWORD == 3)); then
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -- "$cur"))
          fi
          ;;
      esac
      ;;
    attributes)
      if ((COMP_CWORD == 2)); then
        COMPREPLY=($(compgen -W "list show set clear purge export import help -h --help" -- "$cur"))
        return
      fi
      case $prev in
        -g | --gedcom)
          compopt -o filenames 2>/dev/null
          COMPREPLY=($(compgen -f -X '!*.[gG][eE][dD]' -- "$cur") $(compgen -d -- "$cur"))
          return
          ;;
        --link | --image | --text)
          compopt -o filenames 2>/dev/null
          COMPREPLY=($(compgen -f -- "$cur"))
          return
          ;;
      esac
      if [[ $cur == -* ]]; then
        local flags="-f --families -g --gedcom -y --yes -n --no -h --help"
        [[ ${COMP_WORDS[2]} == set ]] && flags="--link --text --image --caption $flags"
        [[ ${COMP_WORDS[2]} == clear ]] && flags="--all $flags"
        COMPREPLY=($(compgen -W "$flags" -- "$cur"))
      elif [[ ${COMP_WORDS[2]} == export || ${COMP_WORDS[2]} == import ]]; then
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "$cur"))
      fi
      ;;
  esac
}

complete -F _vellix vellix
