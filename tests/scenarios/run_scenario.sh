# Sourced by the scenario checks. run_scenario RUNNER SCRIPT DIR OUTPUT runs
# SCRIPT in DIR with the options of its "# runner options: OPTIONS" line, under
# `ulimit -f N` when it has a line "# file size limit: N" (the transcript goes
# through a pipe, which the limit does not touch); system error texts are the
# untranslated ones. Writes the transcript to OUTPUT and answers the runner's
# exit status.
run_scenario() {
  local runner=$1 script=$2 dir=$3 output=$4
  local options limit status
  options=$(sed -n 's/^# runner options: //p' "$script" | head -n 1)
  limit=$(sed -n 's/^# file size limit: \([0-9][0-9]*\)$/\1/p' "$script" | head -n 1)
  # shellcheck disable=SC2086  # the options are words
  if [ -n "$limit" ]; then
    (ulimit -f "$limit" &&
      env -u LC_ALL LC_MESSAGES=C "$runner" --dir "$dir" $options "$script" 2>/dev/null) |
      cat >"$output"
    status=${PIPESTATUS[0]}
  else
    env -u LC_ALL LC_MESSAGES=C "$runner" --dir "$dir" $options "$script" 2>/dev/null >"$output"
    status=$?
  fi
  return "$status"
}
