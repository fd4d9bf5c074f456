# bash completion for oamcalc-cli                          -*- shell-script -*-
# The commands, options, option values, field names and help topics offered are read from the
# program's own help, so that they follow the program as it grows.

# The lines of one section ("Options:", "Subcommands:") of what the program prints for the
# arguments after the section's name, without their indent.
_comp_oamcalc_cli_printed_section()
{
    local program=$1 section=$2 line inside=""
    shift 2
    while IFS= read -r line; do
        if [[ $line == "$section:" ]]; then
            inside=1
        elif [[ $inside ]]; then
            [[ $line ]] || break
            printf '%s\n' "${line#"${line%%[! ]*}"}"
        fi
    done < <(LC_ALL=C "$program" "$@" 2>/dev/null)
}

# The same, of the help of the program or of a command.
_comp_oamcalc_cli_section()
{
    _comp_oamcalc_cli_printed_section "$1" "$3" ${2:+"$2"} --help
}

# "name=" for each field that encode takes, from the table of `help fields`: its first name on each line.
_comp_oamcalc_cli_fields()
{
    local line
    while IFS= read -r line; do
        [[ $line =~ ^\ \ ([a-z][A-Za-z]*)[,\ ] ]] && printf '%s=\n' "${BASH_REMATCH[1]}"
    done < <(LC_ALL=C "$1" help fields 2>/dev/null)
}

# Prints "name" for an option alone, "name=" for one that takes a value, and "name=a b" for one
# whose values are listed ("--engine TEXT:{a,b,A,B}"), for the program and for the command.
_comp_oamcalc_cli_options()
{
    local name kind rest value values command
    local -A seen printed
    for command in "" ${2:+"$2"}; do
        while read -r name kind rest; do
            [[ $name == -* ]] || continue
            if [[ $kind =~ ^[A-Z]+(:\{([^}]*)\})?$ ]]; then
                values=""
                seen=()
                for value in ${BASH_REMATCH[2]//,/ }; do
                    [[ ${seen[${value,,}]-} ]] && continue
                    seen[${value,,}]=1
                    values+="${values:+ }$value"
                done
                kind="=$values"
            else
                kind=""
            fi
            for name in ${name//,/ }; do
                [[ ${printed[$name]-} ]] && continue # -h,--help is in every help
                printed[$name]=1
                printf '%s%s\n' "$name" "$kind"
            done
        done < <(_comp_oamcalc_cli_section "$1" "$command" Options)
    done
}

_comp_oamcalc_cli()
{
    local cur prev words cword
    _init_completion || return

    local program=${words[0]} command="" i option
    local commands
    commands=$(_comp_oamcalc_cli_section "$program" "" Subcommands | while read -r i _; do
        printf '%s ' "$i"
    done)
    # The command is the first word that is not an option; the program's own options take no
    # value, so no value can be mistaken for it.
    for ((i = 1; i < cword; i++)); do
        if [[ ${words[i]} != -* && " $commands " == *" ${words[i]} "* ]]; then
            command=${words[i]}
            break
        fi
    done

    local -a options
    mapfile -t options < <(_comp_oamcalc_cli_options "$program" "$command")
    for option in "${options[@]}"; do
        if [[ $option == "$prev="* ]]; then
            # The option's value: its listed values, or nothing to offer (a number, a text).
            mapfile -t COMPREPLY < <(compgen -W "${option#*=}" -- "$cur")
            return
        fi
    done

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${options[*]%%=*}" -- "$cur")
    elif [[ ! $command ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur")
    elif [[ $command == encode ]]; then
        # A value (the shell may split name=value at "="): nothing to offer.
        [[ $cur == *=* || $prev == = ]] && return
        mapfile -t COMPREPLY < <(compgen -W "$(_comp_oamcalc_cli_fields "$program")" -- "$cur")
        # The value follows the "=" at once.
        compopt -o nospace 2>/dev/null
    elif [[ $command == help ]]; then
        local subjects
        subjects=$(for i in Topics Commands; do
            _comp_oamcalc_cli_printed_section "$program" "$i" help
        done | while read -r i _; do printf '%s ' "$i"; done)
        mapfile -t COMPREPLY < <(compgen -W "$subjects" -- "$cur")
    elif _comp_oamcalc_cli_section "$program" "$command" Positionals | grep -q '^[A-Z]*FILE'; then
        # A command whose arguments are files (dump's FILE) gets file names.
        _filedir
    fi
} &&
    complete -F _comp_oamcalc_cli oamcalc-cli
