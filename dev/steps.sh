# Sourced by the slow checks: `step NAME` ends the step before and starts the
# next; `step_report` prints how long each took, and in all.
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
