# Sourced by the slow checks: `step NAME` ends the step before and starts the
# next; `step_report` prints how long each took, and in all. A command that
# fails ends the run saying which step, which command and where: `set -e`
# alone ends it in silence, after a failing command substitution above all.
steps_started=$SECONDS
step_timings=()
step() {
    if [ -n "${step_name:-}" ]; then
        step_timings+=("$(printf '%-44s %6d s' "$step_name" $((SECONDS - step_started)))")
    fi
    step_name=$1
    step_started=$SECONDS
    [ -z "$1" ] || echo "== $1"
}
step_report() {
    step ""
    printf '%s\n' "${step_timings[@]}"
    printf '%-44s %6d s\n' "in all" $((SECONDS - steps_started))
}
# `step_fail MESSAGE` ends the run with the step named and what went wrong.
step_fail() {
    echo "FAILED in \"${step_name:-}\": $1" >&2
    exit 1
}
# The subshell of a command substitution fails first; its caller names it whole.
step_failed_command() {
    local status=$1 command=$2 where=$3
    ((BASH_SUBSHELL == 0)) || return 0
    echo "FAILED in \"${step_name:-}\": \`$command\` ended with status $status ($where)" >&2
}
set -o errtrace
trap 'step_failed_command $? "$BASH_COMMAND" "${BASH_SOURCE[0]}, line $LINENO"' ERR
