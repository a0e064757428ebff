# What the end-to-end scripts share: counting failures, and the check that a Windows program is
# one static file. Sourced after setting VERDICT_PREFIX (say "E2E FAIL").

failures=0

fail_now() {
  echo "$VERDICT_PREFIX: $*"
  exit 1
}

fail() {
  echo "$VERDICT_PREFIX: $*"
  failures=$((failures + 1))
}

# expect_static EXE NAME: a static program imports system DLLs only.
expect_static() {
  local dll
  for dll in $(x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name/ {print $3}'); do
    case "${dll,,}" in
      libstdc++* | libgcc* | libwinpthread*) fail "$2 needs $dll; it must be linked statically" ;;
    esac
  done
}
