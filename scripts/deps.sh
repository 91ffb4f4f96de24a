#!/bin/sh
# Installs the Debian 12 packages the project needs to build, test and run.
# Does nothing slow when everything is already there.
set -eu

PACKAGES="cmake ninja-build pkg-config g++ clang libclang-rt-14-dev
libgsf-1-dev libglib2.0-dev
libgtest-dev libgmock-dev libbenchmark-dev
python3 python3-olefile binutils locales help2man
qt6-base-dev xvfb xauth fonts-dejavu-core"

missing=""
for pkg in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $pkg"
  fi
done

if [ -n "$missing" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages:$missing (run as root to install them)" >&2
    exit 1
  fi
  echo "installing:$missing"
  apt-get update
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

# A locale with a decimal comma, so that the tests can show that value text
# ignores the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
  else
    echo "note: no de_DE.UTF-8 locale (run as root to generate it)" >&2
  fi
fi
