# Sourced by the scripts that start the program or its tests. Qt wants a private runtime directory
# and warns without one: when XDG_RUNTIME_DIR is unset, a fresh one (mode 700) is made for this run
# and removed when the script ends.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
