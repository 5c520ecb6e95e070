# Sourced by every script that runs Wine: the run gets a Wine prefix of its
# own, made here unless the script that called this one already made it, so
# that stopping this run's wineserver stops only this run's programs.
export WINEDEBUG=-all
# No prompts to download Mono or Gecko: t742 needs neither.
export WINEDLLOVERRIDES="mscoree=;mshtml="
if [ -z "${T742_WINE_PREFIX_OWNER:-}" ]; then
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/t742-wine.XXXXXX")
  export WINEPREFIX T742_WINE_PREFIX_OWNER=$$
  # Made without a display, so that nothing can ask anything.
  DISPLAY= wine wineboot --init >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
fi

# The process id of this prefix's server, once it runs: the server works in a
# folder named after the prefix's device and inode.
wine_server_pid() {
  local folder p
  folder=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  for p in $(pgrep -u "$(id -u)" wineserver); do
    [[ $(readlink "/proc/$p/cwd" 2>/dev/null) == */"$folder" ]] && echo "$p" && return 0
  done
  return 1
}

# Ends this run's Wine programs; the script that made the prefix removes it.
wine_prefix_done() {
  wineserver -k 2>/dev/null || true
  if [ "${T742_WINE_PREFIX_OWNER:-}" = "$$" ]; then rm -rf "$WINEPREFIX"; fi
}
