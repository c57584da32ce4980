#!/usr/bin/env bash
# Makes the README's gallery: a picture of every window of both wizards, once on a system whose
# ANSI code page is 1252 (English) and once on one whose code page is 936 (Simplified Chinese),
# saved in docs/gallery/cp1252/ and docs/gallery/cp936/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
# Wine takes the Windows code page from the Linux locale, which must exist.
for locale in en_US zh_CN; do
  locale -a | grep -qx "$locale.utf8" || localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
done
for pair in 1252:en_US.UTF-8 936:zh_CN.UTF-8; do
  page="${pair%%:*}"
  NELVAR_HEADLESS=1 LC_ALL="${pair#*:}" NELVAR_SCREENSHOTS="$root/docs/gallery/cp$page" bash "$root/scripts/run.sh"
done
