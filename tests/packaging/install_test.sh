#!/usr/bin/env bash
# Tipolab as a user installs it: builds the Debian package, checks it with
# lintian, installs it with apt-get, uses the installed tool and program from a
# folder outside the checkout, checks the menu entry and the AppStream data,
# then removes the package and checks that nothing of it is left under /usr.
#
#   tests/packaging/install_test.sh [BUILD FOLDER]   (passed to scripts/package)
#
# It installs into this machine's /usr, so it runs only as root where that is
# wanted: under CI (CI=true) or with TIPOLAB_INSTALL_TEST=1; elsewhere it says
# why it does not run and succeeds. It never touches a Tipolab already installed.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

skip() {
  echo "Prova d'installazione saltata: $1"
  exit 0
}
[ "$(id -u)" -eq 0 ] || skip "serve l'amministratore (root) per installare il pacchetto."
[ "${CI:-}" = true ] || [ "${TIPOLAB_INSTALL_TEST:-}" = 1 ] ||
  skip "installa nel sistema: si fa in CI o con TIPOLAB_INSTALL_TEST=1."
if dpkg-query -W -f='${Status}' tipolab 2>/dev/null | grep -q "ok installed"; then
  skip "Tipolab è già installato su questo computer e la prova non lo tocca."
fi

fail() {
  echo "PROVA D'INSTALLAZIONE FALLITA: $1" >&2
  exit 1
}
export DEBIAN_FRONTEND=noninteractive

"$root/scripts/deps" --package --checks
deb=$("$root/scripts/package" "$@" | tail -n 1)
[ -f "$deb" ] || fail "scripts/package non ha indicato un pacchetto ($deb)"
echo "== pacchetto: $deb ($(stat -c %s "$deb") byte)"
dpkg-deb -I "$deb"

echo "== lintian"
lintian --fail-on error "$deb" || fail "lintian segnala errori"

work=$(mktemp -d)
stamp="$work/prima"
touch "$stamp"
installed=0
cleanup() {
  if [ "$installed" = 1 ]; then apt-get purge -y -qq tipolab >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "== installazione"
cp "$deb" "$work/"
(cd "$work" && apt-get install -y -qq --no-install-recommends "./$(basename "$deb")") ||
  { apt-get update -qq && (cd "$work" && apt-get install -y -qq --no-install-recommends "./$(basename "$deb")"); } ||
  fail "apt-get non installa il pacchetto"
installed=1

# A user of the installed program: a home of its own, a folder outside the checkout.
export HOME="$work/casa"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_DOCUMENTS_DIR
mkdir -p "$HOME/lavoro"
cd "$HOME/lavoro"
sample="$root/tests/data/Tipolab-dati-esempio"

echo "== tipolab-cli risultati"
/usr/bin/tipolab-cli risultati "$sample" | tee risultati.txt
grep -q "^Tipo prevalente: " risultati.txt || fail "risultati senza il tipo prevalente"

echo "== tipolab-cli relazione"
report=$(/usr/bin/tipolab-cli relazione "$sample")
echo "$report"
case "$report" in
  "$HOME"/Documents/Tipolab-RelazioneTipolab-*.doc) ;;
  *) fail "la relazione non è nella cartella Documenti: $report" ;;
esac
head -c 5 "$report" | grep -q '{\\rtf' || fail "la relazione non è un documento RTF"

echo "== tipolab --percorsi"
/usr/bin/tipolab --percorsi | tee percorsi.txt || fail "tipolab --percorsi segnala file mancanti"
grep -q "/usr/share/tipolab/SuggerimentiTipolab.TXT (trovato)" percorsi.txt ||
  fail "suggerimenti non trovati"
grep -q "/usr/share/tipolab/Internet.mid (trovato)" percorsi.txt || fail "musica non trovata"

echo "== tipolab, senza schermo"
status=0
QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/tipolab 2>avvio.txt || status=$?
cat avvio.txt
[ "$status" = 124 ] || fail "il programma si è chiuso da solo (stato $status)"
if grep -q "manca" avvio.txt; then fail "il programma segnala file mancanti"; fi

echo "== voce di menu, icone e dati AppStream"
desktop=(/usr/share/applications/*tipolab*.desktop)
desktop-file-validate "${desktop[@]}" || fail "voce di menu non valida"
appstreamcli validate --no-net /usr/share/metainfo/*tipolab*.metainfo.xml ||
  fail "dati AppStream non validi"
for size in 16 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/tipolab.png" ] || fail "manca l'icona $size"
done
[ -f /usr/share/icons/hicolor/scalable/apps/tipolab.svg ] || fail "manca l'icona SVG"

echo "== rimozione"
files=$(dpkg-query -L tipolab | grep '^/usr/' || true)
apt-get purge -y -qq tipolab >/dev/null || fail "apt-get non rimuove il pacchetto"
installed=0
left=()
while IFS= read -r f; do
  [ -n "$f" ] && [ ! -d "$f" ] && [ -e "$f" ] && left+=("$f")
done <<<"$files"
[ -d /usr/share/tipolab ] && left+=(/usr/share/tipolab)
while IFS= read -r f; do left+=("$f"); done < <(find /usr -xdev -newer "$stamp" -iname '*tipolab*')
[ ${#left[@]} -eq 0 ] || fail "restano sotto /usr: ${left[*]}"

echo "Prova d'installazione superata."
