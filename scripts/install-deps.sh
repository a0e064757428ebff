#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
# Usage: scripts/install-deps.sh native|windows|web|all
set -euo pipefail
what=${1:-all}

native=(g++ cmake make googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
        libcli11-dev nlohmann-json3-dev)
windows=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 xvfb imagemagick
         fonts-ipafont-gothic locales x11-utils python3)
# The core as WebAssembly, Node to run its tests, and the browser the page's tests drive
# (Debian's: the tests never download one).
web=(emscripten nodejs chromium)

case "$what" in
  native) wanted=("${native[@]}") ;;
  windows) wanted=("${windows[@]}") ;;
  web) wanted=("${web[@]}") ;;
  all) wanted=("${native[@]}" "${windows[@]}" "${web[@]}") ;;
  *) echo "usage: $0 native|windows|web|all" >&2; exit 64 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The page's bundler and browser driver, at the versions package-lock.json pins. npm comes with
# Node where Node is not Debian's own; Debian's nodejs needs its npm package beside it.
if [[ "$what" == web || "$what" == all ]] && [ ! -d "$(dirname "$0")/../web/node_modules" ]; then
  if ! command -v npm >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq npm >/dev/null
  fi
  # No install scripts: esbuild finds its platform binary without its own, and nothing else has one.
  (cd "$(dirname "$0")/../web" && npm ci --ignore-scripts --no-audit --no-fund >/dev/null)
fi

# Wine needs a Japanese locale for the program's texts to show as intended.
if [[ "$what" == windows || "$what" == all ]] && ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
