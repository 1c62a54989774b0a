# bash completion for tallyrock-cli
_tallyrock_cli() {
    local cur prev words cword
    _init_completion || return
    local commands="create-league delete-league leagues add-course courses add-player remove-player rename-player move-player rules record edit-round delete-round import export course-handicap course-si course-nines pcc listing print explain undo"
    local reports="short long chart teams trend pie compare cards night worksheets"
    local exports="rounds players indexes night worksheet"

    # The command is the first word that is not an option (or --today's value).
    local i command="" args=0
    for ((i = 1; i < cword; i++)); do
        case "${words[i]}" in
            --today) ((i++)) ;;
            -*) ;;
            *) if [[ -z $command ]]; then command=${words[i]}; else ((args++)); fi ;;
        esac
    done

    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "$commands --today --help" -- "$cur"))
        return
    fi

    case "$prev" in
        --out|--pdf|--text) _filedir; return ;;
        --view) COMPREPLY=($(compgen -W "recent date player" -- "$cur")); return ;;
        --tee) COMPREPLY=($(compgen -W "1 2 3" -- "$cur")); return ;;
    esac

    local leagues=""
    [[ -r vexa.dat ]] && leagues=$(sed -n "2,\$(( \$(head -1 vexa.dat | tr -dc 0-9) + 1 ))p" vexa.dat 2>/dev/null | tr -d '\r')

    local options=""
    case "$command" in
        add-course) options="--name --pars --ratings --slopes --initials" ;;
        add-player) options="--tee" ;;
        rules) options="--method --rounds-option --percent --rounds --limit-option --mens-max --womens-max --stroke-option --above-par --max-per-hole --nine-hole --date-remind --factor --allowance --expected-nine" ;;
        record) options="--player --course --date --tee --holes --out --in" ;;
        edit-round) options="--player --slot --tee --holes --out --in" ;;
        delete-round) options="--player --slot" ;;
        course-si) options="--course --tee --si" ;;
        course-nines) options="--course --tee --front --back" ;;
        pcc) options="--course --date --value" ;;
        listing) options="--view --player --back --long --out" ;;
        print) options="--pdf --text --view --player --back --names --last --comment --as-of" ;;
        explain) options="--as-of --json --pdf --text" ;;
        undo) options="--list" ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    elif [[ $command == import && $args -eq 1 ]]; then
        _filedir csv
    elif [[ $command == export && $args -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$exports" -- "$cur"))
    elif [[ $command == export && $args -ge 2 ]]; then
        _filedir csv
    elif [[ $command == print && $args -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$reports" -- "$cur"))
    elif [[ $args -eq 0 && $command != leagues && $command != courses && $command != add-course && $command != rules && $command != course-handicap && $command != create-league && $command != undo ]]; then
        local IFS=$'\n'
        COMPREPLY=($(compgen -W "$leagues" -- "$cur"))
    fi
}
complete -F _tallyrock_cli tallyrock-cli
