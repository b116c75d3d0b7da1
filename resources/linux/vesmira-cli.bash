# bash completion for vesmira-cli                               -*- shell-script -*-

_vesmira_cli()
{
    local cur prev words cword
    _init_completion || return

    local commands="parse read drives export configure history watch compliance user sign audit selftest help"
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        return
    fi

    case $prev in
        --export-dir)
            _filedir -d
            return
            ;;
        --template)
            _filedir ini
            return
            ;;
        --name)
            COMPREPLY=($(compgen -W '"{serial}_{tripId}_{start:yyyyMMdd}" "{record}" "{serial}_{start:yyyyMMdd-HHmm}"' -- "$cur"))
            return
            ;;
        --to)
            if [[ ${words[1]} == history && ${words[2]} == copy ]]; then
                COMPREPLY=($(compgen -W "postgresql://" -- "$cur"))
                return
            fi
            return
            ;;
        --role)
            COMPREPLY=($(compgen -W "operator reviewer admin" -- "$cur"))
            return
            ;;
        --meaning)
            COMPREPLY=($(compgen -W "reviewed approved rejected" -- "$cur"))
            return
            ;;
        --anchor)
            _filedir
            return
            ;;
        --out)
            _filedir -d
            return
            ;;
        --from | --trip-id | --desc | --now | --zone | --search | --user | --by | --reason | --comment | --admin | --record)
            return
            ;;
    esac

    case ${words[1]} in
        parse)
            _filedir '@(pdf|csv|txt|PDF|CSV|TXT)'
            ;;
        read | configure)
            if [[ $cur == -* && ${words[1]} == configure ]]; then
                COMPREPLY=($(compgen -W "--template --trip-id --desc --humidity --no-humidity --now --zone" -- "$cur"))
            else
                _filedir -d
            fi
            ;;
        export)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--from --to" -- "$cur"))
            else
                _filedir
            fi
            ;;
        history)
            if ((cword == 2)); then
                COMPREPLY=($(compgen -W "list show export rename delete copy" -- "$cur"))
            elif [[ $cur == -* ]]; then
                case ${words[2]} in
                    list) COMPREPLY=($(compgen -W "--json --search" -- "$cur")) ;;
                    show) COMPREPLY=($(compgen -W "--json" -- "$cur")) ;;
                    export) COMPREPLY=($(compgen -W "--from --to" -- "$cur")) ;;
                    copy) COMPREPLY=($(compgen -W "--to" -- "$cur")) ;;
                esac
            elif [[ ${words[2]} == export ]] && ((cword == 4)); then
                _filedir '@(pdf|csv)'
            fi
            ;;
        watch)
            COMPREPLY=($(compgen -W "--export-dir --csv --name --template --once --json --user" -- "$cur"))
            ;;
        compliance)
            if ((cword == 2)); then
                COMPREPLY=($(compgen -W "enable disable idle status" -- "$cur"))
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--admin --name --user --reason" -- "$cur"))
            fi
            ;;
        user)
            if ((cword == 2)); then
                COMPREPLY=($(compgen -W "add list disable unlock passwd" -- "$cur"))
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--role --name --by --user --reason" -- "$cur"))
            fi
            ;;
        sign)
            COMPREPLY=($(compgen -W "--user --meaning --comment" -- "$cur"))
            ;;
        audit)
            if ((cword == 2)); then
                COMPREPLY=($(compgen -W "verify list" -- "$cur"))
            elif [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--anchor --record --json --user" -- "$cur"))
            fi
            ;;
        selftest)
            COMPREPLY=($(compgen -W "--out" -- "$cur"))
            ;;
    esac
} &&
    complete -F _vesmira_cli vesmira-cli

# ex: filetype=sh
