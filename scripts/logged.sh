# Sourced by build.sh, deps.sh and windows.sh.
# Runs a step with its output in a log; on failure shows the log's end and
# names the log.
logged() {   # logged <log> <command>...
  "${@:2}" >>"$1" 2>&1 || { tail -n 40 "$1" >&2; echo "Failed; the whole log: $1" >&2; return 1; }
}
