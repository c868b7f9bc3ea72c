#!/usr/bin/env bash
# Builds the Debian package and checks what it installs and what it declares it needs.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/package.sh >/dev/null
mapfile -t debs < <(ls build/package/lexmint_*.deb)
[[ ${#debs[@]} -eq 1 ]] || { echo "expected one package, found ${#debs[@]}" >&2; exit 1; }
deb=${debs[0]}

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's#^\./#/#')
for path in /usr/bin/lexmint /usr/bin/lexmint-convert \
  /usr/share/lexmint/vocab.mdn /usr/share/lexmint/install.ini \
  /usr/share/lexmint/Spa-Eng.lxm /usr/share/lexmint/Fre-Eng.lxm \
  /usr/share/lexmint/Ger-Eng.lxm /usr/share/lexmint/English.lxm \
  /usr/share/lexmint/lexmint.qch /usr/share/lexmint/lexmint.qhc \
  /usr/share/applications/lexmint.desktop /usr/share/mime/packages/lexmint.xml \
  /usr/share/icons/hicolor/scalable/apps/lexmint.svg /usr/share/metainfo/lexmint.metainfo.xml; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
if grep -q -v '^/usr/' <<<"$(grep -v '/$' <<<"$contents")"; then
  fail "the package installs outside /usr"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libqt6help6 libqt6svg6 libqt6charts6 \
  libsqlite3-0 libx11-6 libxkbregistry0 libicu72; do
  grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
grep -qxF 'ProgramDir="/usr/share/lexmint/"' "$unpacked/usr/share/lexmint/install.ini" \
  || fail "the install record does not name /usr/share/lexmint/"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/lexmint.metainfo.xml" >/dev/null \
  || fail "the AppStream metadata does not validate"
desktop-file-validate "$unpacked/usr/share/applications/lexmint.desktop" \
  || fail "the desktop entry does not validate"

if ((failures)); then
  exit 1
fi
echo "$(basename "$deb"): contents, dependencies, install record and metadata are right."
