#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One check of the desktop integration or of the Debian package, named by the
# first argument. CMake's test definitions set the environment: APP_ID,
# WORKBENCH_ID (the workbench's desktop entry), LANGUAGES (those of the
# catalogues), TRANSLATED_MAN_PAGES (the translated man pages built, as
# <lang>/man1/<page>.1.gz), PROJECT_VERSION, RELEASE_DATE (the metainfo's newest release),
# WITH_WINDOW (1 when the window is built), ICON_SIZES, CNC_QT_PLUGINS, WORK
# (this suite's scratch directory), CPACK, CPACK_CONFIG, BUILT_DESKTOP_FILE,
# BUILT_WORKBENCH_DESKTOP_FILE, BUILT_METAINFO.
#
# The validators' silence is the contract: a hint, an info or a pedantic note
# fails a check as an error does.
set -euo pipefail

check=${1:?which check}
deb_dir=$WORK/deb
root=$WORK/root
admin=$WORK/admin
readonly caption="Menu' principale"

fail() {
  printf 'FAIL: %s\n' "$*" >&2
  exit 1
}

# Runs a validator; fails on a non-zero status or on any output except the
# success line of appstreamcli.
quiet() {
  local out status=0
  out=$("$@" 2>&1) || status=$?
  out=$(grep -v -e '^[[:space:]]*$' -e 'Validation was successful\.$' <<<"$out" || true)
  [[ $status -eq 0 && -z $out ]] || fail "$* (status $status) said:"$'\n'"$out"
}

the_deb() {
  local debs=("$deb_dir"/*.deb)
  [[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one .deb in $deb_dir, found: ${debs[*]}"
  printf '%s\n' "${debs[0]}"
}

# The value of KEY in the [Desktop Entry] group of a desktop file.
desktop_key() {
  sed -n "/^\[Desktop Entry\]/,/^\[/{s/^$2=//p}" "$1" | sed -n 1p
}

# The Debian package that ships Qt's X11 platform plugin on this machine.
xcb_plugin_package() {
  local plugin
  plugin=$(realpath "$CNC_QT_PLUGINS/platforms/libqxcb.so") || fail "no X11 platform plugin in $CNC_QT_PLUGINS"
  dpkg-query --search "$plugin" | sed -n '1s/^\([^:, ]*\).*/\1/p'
}

# Each desktop entry's translations: every language's Name and Comment.
translated_entry() {
  local language key
  for language in $LANGUAGES; do
    for key in Name Comment; do
      [[ -n $(desktop_key "$1" "$key\\[$language\\]") ]] || fail "$(basename "$1") has no $key[$language]"
    done
  done
}

expected_files() {
  printf '%s\n' usr/bin/cnc-axis-calc-cli \
    usr/share/man/man1/cnc-axis-calc-cli.1.gz \
    usr/share/doc/cnc-axis-calc/copyright \
    usr/share/doc/cnc-axis-calc/changelog.gz
  local language
  for language in $LANGUAGES; do
    printf '%s\n' "usr/share/locale/$language/LC_MESSAGES/cnc-axis-calc.mo"
  done
  local page
  for page in $TRANSLATED_MAN_PAGES; do
    printf '%s\n' "usr/share/man/$page"
  done
  [[ $WITH_WINDOW == 1 ]] || return 0
  printf '%s\n' usr/bin/cnc-axis-calc \
    usr/share/man/man1/cnc-axis-calc.1.gz \
    "usr/share/applications/$APP_ID.desktop" \
    "usr/share/applications/$WORKBENCH_ID.desktop" \
    "usr/share/metainfo/$APP_ID.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
  local size
  for size in $ICON_SIZES; do
    printf '%s\n' "usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
  done
}

# Width and height of a PNG, from its header.
png_size() {
  local bytes
  read -r -d '' -a bytes < <(od -An -v -tu1 -N24 "$1") || true
  [[ ${bytes[1]} -eq 80 && ${bytes[2]} -eq 78 && ${bytes[3]} -eq 71 ]] || fail "$1 is not a PNG"
  printf '%d %d\n' $(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19])) \
    $(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))
}

# A private runtime directory, so that Qt does not fall back to a shared one
# and warn about it.
private_runtime_dir() {
  XDG_RUNTIME_DIR=$(mktemp -d "$WORK/runtime.XXXXXX")
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
}

case $check in

desktop_entry_valid)
  for entry in "$BUILT_DESKTOP_FILE" "$BUILT_WORKBENCH_DESKTOP_FILE"; do
    quiet desktop-file-validate "$entry"
    translated_entry "$entry"
  done
  ;;

metainfo_valid)
  quiet appstreamcli validate --no-net --pedantic "$BUILT_METAINFO"
  for language in $LANGUAGES; do
    for element in name summary; do
      grep -q "<$element xml:lang=\"$language\">" "$BUILT_METAINFO" ||
        fail "the metainfo has no $element in $language"
    done
  done
  ;;

deb_builds)
  rm -rf "$deb_dir"
  mkdir -p "$deb_dir"
  "$CPACK" -G DEB --config "$CPACK_CONFIG" -B "$deb_dir" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack failed:"$'\n'"$(cat "$WORK/cpack.log")"
  rm -rf "$deb_dir/_CPack_Packages"
  the_deb >/dev/null
  ;;

deb_contents)
  deb=$(the_deb)
  field() { dpkg-deb --field "$deb" "$1"; }
  [[ $(field Package) == cnc-axis-calc ]] || fail "package name: $(field Package)"
  [[ $(field Version) == "$PROJECT_VERSION" ]] || fail "version $(field Version), project $PROJECT_VERSION"
  [[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "architecture: $(field Architecture)"
  [[ -n $(field Maintainer) && -n $(field Description) && -n $(field Section) ]] ||
    fail "Maintainer, Description or Section is empty"

  # Linked libraries come from dpkg-shlibdeps; what the window loads at run
  # time must be there as well.
  depends=$(field Depends)
  needed=(libc6 libqt6core6)
  [[ $WITH_WINDOW == 1 ]] && needed+=(libqt6widgets6 fonts-liberation "$(xcb_plugin_package)")
  for package in "${needed[@]}"; do
    [[ ", $depends," =~ ,\ $package[\ ,] ]] || fail "Depends lacks $package: $depends"
  done

  # Exactly the expected files, owned by root, executables 755, the rest 644,
  # directories 755.
  listing=$(dpkg-deb --contents "$deb")
  actual=$(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' <<<"$listing" | sort)
  if ! difference=$(diff <(expected_files | sort) <(printf '%s\n' "$actual")); then
    fail "files of the package differ from the expected ones (< missing, > unexpected):"$'\n'"$difference"
  fi
  wrong=$(awk '{ directory = $1 ~ /^d/; program = !directory && $6 ~ /^\.\/usr\/bin\// }
               $2 != "root/root" ||
               (directory && $1 != "drwxr-xr-x") ||
               (program && $1 != "-rwxr-xr-x") ||
               (!directory && !program && $1 != "-rw-r--r--")' <<<"$listing")
  [[ -z $wrong ]] || fail "wrong owner or mode:"$'\n'"$wrong"

  unpacked=$WORK/unpacked
  rm -rf "$unpacked"
  dpkg-deb --extract "$deb" "$unpacked"
  for binary in "$unpacked"/usr/bin/*; do
    sections=$(readelf --section-headers --wide "$binary")
    ! grep -qE '\.symtab|\.debug_' <<<"$sections" || fail "$(basename "$binary") is not stripped"
    dynamic=$(readelf --dynamic "$binary")
    ! grep -qE 'R(UN)?PATH' <<<"$dynamic" || fail "$(basename "$binary") keeps a library path:"$'\n'"$(grep -E 'R(UN)?PATH' <<<"$dynamic")"
  done
  for page in "$unpacked"/usr/share/man/man1/*.gz "$unpacked"/usr/share/man/*/man1/*.gz; do
    gzip --test "$page" || fail "$page is not a valid gzip file"
  done
  # The changelog's newest entry is this version, dated as the metainfo's
  # newest release.
  changelog=$unpacked/usr/share/doc/cnc-axis-calc/changelog.gz
  newest=$(zcat "$changelog" | dpkg-parsechangelog --file - --show-field Version)
  [[ $newest == "$PROJECT_VERSION" ]] || fail "the changelog's newest entry is $newest, the project $PROJECT_VERSION"
  dated=$(date -u -d "$(zcat "$changelog" | dpkg-parsechangelog --file - --show-field Date)" +%F)
  [[ $dated == "$RELEASE_DATE" ]] || fail "the changelog's newest entry is dated $dated, the metainfo's $RELEASE_DATE"
  if [[ $WITH_WINDOW == 1 ]]; then
    for size in $ICON_SIZES; do
      icon=$unpacked/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
      [[ $(png_size "$icon") == "$size $size" ]] || fail "$icon is $(png_size "$icon"), not ${size}x${size}"
    done
    svg=$unpacked/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg
    rsvg-convert --width 48 --height 48 "$svg" >/dev/null || fail "$svg does not render"
  fi
  ;;

deb_lintian)
  # Debian's own judge of a package: any error or warning fails, and so does
  # any informational or pedantic tag that is not a deliberate choice named
  # below with the reason it stays.
  allowed=(
    # none: the package shows no tag at all today
  )
  # A sanitizer or debug tree builds without _FORTIFY_SOURCE on purpose; the
  # package users get comes from an optimised tree, where the tag fails.
  ((${FORTIFIED:-1})) || allowed+=(hardening-no-fortify-functions)
  deb=$(the_deb)
  out=$(lintian --fail-on none --display-info --pedantic --no-tag-display-limit "$deb" 2>"$WORK/lintian.err") ||
    fail "lintian did not run:"$'\n'"$(cat "$WORK/lintian.err")"
  while read -r level _ tag _; do
    [[ -n $level ]] || continue
    case $level in
    E: | W:) fail "lintian: $level $tag"$'\n'"$out" ;;
    *) [[ " ${allowed[*]} " == *" $tag "* ]] || fail "lintian: $level $tag is not among the allowed tags"$'\n'"$out" ;;
    esac
  done <<<"$out"
  ;;

deb_installs)
  # dpkg itself installs the package into a scratch root, checking its
  # dependencies against a copy of this machine's package database: a
  # misnamed or unavailable dependency fails here as on a user's machine.
  # No triggers run: they would act on this machine's own menus and caches.
  deb=$(the_deb)
  rm -rf "$root" "$admin"
  mkdir -p "$root" "$admin/info" "$admin/updates"
  cp /var/lib/dpkg/status "$admin/status"
  : >"$admin/available"
  # Empty file lists for the installed packages keep dpkg from warning about
  # each; the package's own files cannot clash with files outside the root.
  (cd "$admin/info" && dpkg-query --admindir="$admin" --show --showformat='${binary:Package}.list\n' | xargs -r touch)
  if ! PATH=/usr/sbin:/sbin:$PATH dpkg --admindir="$admin" --instdir="$root" --log="$WORK/dpkg.log" \
    --force-not-root --no-triggers --install "$deb" >"$WORK/dpkg.out" 2>&1; then
    fail "dpkg could not install the package:"$'\n'"$(cat "$WORK/dpkg.out")"
  fi
  status=$(dpkg-query --admindir="$admin" --show --showformat='${Status}' cnc-axis-calc)
  [[ $status == "install ok installed" ]] || fail "package status after install: $status"
  ;;

installed_tree_valid)
  [[ -x $root/usr/bin/cnc-axis-calc-cli ]] || fail "cnc-axis-calc-cli is not installed in $root/usr/bin"
  [[ $WITH_WINDOW == 1 ]] || exit 0
  quiet appstreamcli validate-tree --no-net --pedantic "$root"
  desktop=$root/usr/share/applications/$APP_ID.desktop
  metainfo=$root/usr/share/metainfo/$APP_ID.metainfo.xml

  # One id everywhere, and the menu entry starts what the package installs.
  [[ $(desktop_key "$desktop" Icon) == "$APP_ID" ]] || fail "Icon=$(desktop_key "$desktop" Icon), id $APP_ID"
  [[ $(sed -n 's|^ *<id>\(.*\)</id>.*|\1|p' "$metainfo") == "$APP_ID" ]] || fail "metainfo <id> is not $APP_ID"
  grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $APP_ID.desktop"
  exec_line=$(desktop_key "$desktop" Exec)
  command=${exec_line%% *}
  [[ $command != */* && -x $root/usr/bin/$command ]] || fail "Exec=$exec_line is not a program of the package"
  [[ $(desktop_key "$desktop" Terminal) == false ]] || fail "the entry would open a terminal"
  # Wayland desktops match the window to its entry by the desktop file name
  # the window reports, which this version of Qt shows nowhere outside the
  # process: look for the id among the window's strings, UTF-16 or 8-bit.
  texts=$(strings -e l "$root/usr/bin/$command"; strings "$root/usr/bin/$command")
  grep -qxF "$APP_ID" <<<"$texts" || fail "the window does not carry the id $APP_ID for its desktop file name"

  # The workbench's own entry: the same program and icon, with --banco, and
  # the class the workbench's window takes.
  workbench=$root/usr/share/applications/$WORKBENCH_ID.desktop
  [[ $(desktop_key "$workbench" Exec) == "$command --banco" ]] ||
    fail "the workbench's entry runs '$(desktop_key "$workbench" Exec)'"
  [[ $(desktop_key "$workbench" Icon) == "$APP_ID" ]] || fail "the workbench's entry has Icon=$(desktop_key "$workbench" Icon)"
  grep -q "<launchable type=\"desktop-id\">$WORKBENCH_ID.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $WORKBENCH_ID.desktop"
  texts=$(strings -e l "$root/usr/bin/$command"; strings "$root/usr/bin/$command")
  for id in "$WORKBENCH_ID" "$(desktop_key "$workbench" StartupWMClass)"; do
    grep -qxF "$id" <<<"$texts" || fail "the window does not carry $id for the workbench"
  done

  # The newest release of the metainfo is the version being packaged.
  newest=$(grep -m 1 -o '<release [^>]*version="[^"]*"' "$metainfo" | sed 's/.*version="\([^"]*\)"/\1/')
  [[ $newest == "$PROJECT_VERSION" ]] ||
    fail "the metainfo's newest release is $newest, the project is $PROJECT_VERSION: add a <release>"
  ;;

installed_man_pages)
  # Every program has its page, every page renders without a warning and
  # carries the version, and the command line's page covers every option
  # that the command's own help lists.
  for binary in "$root"/usr/bin/*; do
    name=$(basename "$binary")
    page=$root/usr/share/man/man1/$name.1.gz
    [[ -f $page ]] || fail "no man page for $name"
    warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 2>&1)
    [[ -z $warnings ]] || fail "$name.1 does not render cleanly:"$'\n'"$warnings"
    text=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tascii -P-cbou 2>/dev/null)
    grep -q "cnc-axis-calc $PROJECT_VERSION" <<<"$text" || fail "$name.1 does not name version $PROJECT_VERSION"
  done
  for page in "$root"/usr/share/man/man1/* "$root"/usr/share/man/*/man1/*; do
    name=$(basename "$page" .1.gz)
    [[ -x $root/usr/bin/$name ]] || fail "man page $name.1 for a program the package lacks"
  done
  # The translated pages render as cleanly (read as UTF-8, as man does) and
  # carry the version; each has as many sections as the English page, so
  # that no paragraph or markup went missing in translation.
  for page in $TRANSLATED_MAN_PAGES; do
    english=$root/usr/share/man/man1/${page##*/}
    page=$root/usr/share/man/$page
    warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -k -man -ww -z -Tutf8 2>&1)
    [[ -z $warnings ]] || fail "$page does not render cleanly:"$'\n'"$warnings"
    text=$(zcat "$page" | LC_ALL=C.UTF-8 groff -k -man -Tutf8 -P-cbou 2>/dev/null)
    grep -q "cnc-axis-calc $PROJECT_VERSION" <<<"$text" || fail "$page does not name version $PROJECT_VERSION"
    [[ $(zcat "$page" | grep -c '^\.S[HS] ') == $(zcat "$english" | grep -c '^\.S[HS] ') ]] ||
      fail "$page has not the sections of the English page"
  done
  help=$("$root/usr/bin/cnc-axis-calc-cli" --help)
  text=$(zcat "$root/usr/share/man/man1/cnc-axis-calc-cli.1.gz" | LC_ALL=C.UTF-8 groff -man -Tascii -P-cbou 2>/dev/null)
  options=$(grep -oE '(^|[[ ])--?[a-z][a-z-]*' <<<"$help" | sed 's/^[[ ]//' | sort -u)
  [[ -n $options ]] || fail "no options found in the help of cnc-axis-calc-cli"
  for option in $options; do
    grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$text" || fail "cnc-axis-calc-cli.1 does not document $option"
  done
  ;;

installed_cli_runs)
  cli=$root/usr/bin/cnc-axis-calc-cli
  version=$(env -i PATH=/usr/bin:/bin "$cli" --version)
  [[ $version == "cnc-axis-calc-cli $PROJECT_VERSION"$'\n'*"GPLv3+"* ]] || fail "--version says '$version'"
  # A whole calculation, belt stage included, from the installed copy.
  output=$(env -i PATH=/usr/bin:/bin LANG=C "$cli" --passo-intero --ingranaggi)
  expected=$'Step/mm: 141.176470588\nRisoluzione del passo (mm): 0.007083333\nInterasse: 83.69 mm'
  [[ $output == "$expected" ]] || fail "the installed command line computed:"$'\n'"$output"
  # The installed catalogues are found beside the installed program.
  said=$(env -i PATH=/usr/bin:/bin LANG=de_DE.UTF-8 "$cli" 2>&1 >/dev/full || true)
  [[ $said == "cnc-axis-calc-cli: die Ausgabe kann nicht geschrieben werden" ]] ||
    fail "in German, the installed command line said: $said"
  ;;

installed_window_offscreen)
  # Started as the menu would, on the offscreen platform: it must still be
  # waiting for the user when stopped, having said nothing on stderr.
  private_runtime_dir
  status=0
  env QT_QPA_PLATFORM=offscreen XDG_DATA_DIRS="$root/usr/share:/usr/share" \
    timeout --kill-after=5 3 "$root/usr/bin/cnc-axis-calc" >"$WORK/offscreen.out" 2>"$WORK/offscreen.err" ||
    status=$?
  [[ $status -eq 124 ]] || fail "the window ended by itself with status $status:"$'\n'"$(cat "$WORK/offscreen.err")"
  [[ ! -s $WORK/offscreen.err ]] || fail "the window complained:"$'\n'"$(cat "$WORK/offscreen.err")"
  ;;

installed_window_without_display)
  # With no display and no platform chosen the window says so in one line,
  # points to the command line and ends with status 1, no core dump; a
  # display that does not answer ends the same way after Qt's own words. A
  # platform chosen explicitly is left to Qt: offscreen still runs.
  private_runtime_dir
  unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES LANG
  export XDG_DATA_DIRS=$root/usr/share:/usr/share
  hint='cnc-axis-calc-cli fa lo stesso calcolo dalla riga di comando\.'
  cases=(
    # what | environment | arguments | status | lines of stderr | its last line
    "no display at all |  |  | 1 | 1 | cnc-axis-calc: nessun display trovato .*; $hint"
    "no display, in German | LANG=de_DE.UTF-8 |  | 1 | 1 | cnc-axis-calc: kein Display gefunden .*; cnc-axis-calc-cli führt .*\."
    "a display that does not answer | DISPLAY=:65535 |  | 1 | * | cnc-axis-calc: $hint"
    "offscreen in the environment | QT_QPA_PLATFORM=offscreen |  | 124 | 0 | "
    "offscreen as an argument |  | -platform offscreen | 124 | 0 | "
    "the version |  | --version | 0 | 0 | "
  )
  for row in "${cases[@]}"; do
    IFS='|' read -r what setting arguments expected lines last <<<"$row"
    read -r -a setting <<<"$setting"
    read -r -a arguments <<<"$arguments"
    what=${what% } expected=${expected// /} lines=${lines// /} last=${last# }
    status=0
    env "${setting[@]}" timeout --kill-after=5 3 "$root/usr/bin/cnc-axis-calc" "${arguments[@]}" \
      >"$WORK/nodisplay.out" 2>"$WORK/nodisplay.err" || status=$?
    err=$(cat "$WORK/nodisplay.err")
    [[ $status == "$expected" ]] || fail "$what: status $status, expected $expected:"$'\n'"$err"
    count=0
    [[ -z $err ]] || count=$(wc -l <"$WORK/nodisplay.err")
    [[ $lines == '*' || $count == "$lines" ]] || fail "$what: $count lines on stderr, expected $lines:"$'\n'"$err"
    [[ -z $last || $(tail -n 1 <<<"$err") =~ ^$last$ ]] || fail "$what: stderr ends with:"$'\n'"$(tail -n 1 <<<"$err")"
  done
  # The last row's output: --version states the licence.
  grep -q 'GPLv3+' "$WORK/nodisplay.out" || fail "the window's --version states no licence:"$'\n'"$(cat "$WORK/nodisplay.out")"
  ;;

installed_window_x11)
  # The installed window on a real X server: its caption, the class by which
  # X11 desktops match it to the menu entry, and its icon, which must be the
  # one the menu shows.
  private_runtime_dir
  pids=()
  trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; wait' EXIT
  fifo=$WORK/display.fifo
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >"$WORK/xvfb.log" 2>&1 &
  pids+=($!)
  read -r -t 60 number <"$fifo" || fail "Xvfb did not start:"$'\n'"$(cat "$WORK/xvfb.log")"
  export DISPLAY=:$number
  # The window starts once the server answers; a server that never does
  # says why in its log.
  for _ in $(seq 100); do
    xwininfo -root >/dev/null 2>&1 && break
    sleep 0.1
  done
  xwininfo -root >/dev/null 2>&1 || fail "Xvfb on :$number does not answer:"$'\n'"$(cat "$WORK/xvfb.log")"
  env QT_QPA_PLATFORM=xcb XDG_DATA_DIRS="$root/usr/share:/usr/share" "$root/usr/bin/cnc-axis-calc" \
    >"$WORK/x11.out" 2>"$WORK/x11.err" &
  pids+=($!)
  window=
  for _ in $(seq 600); do
    kill -0 "${pids[1]}" 2>/dev/null || fail "the window ended:"$'\n'"$(cat "$WORK/x11.err")"
    window=$(xwininfo -root -tree | awk -v caption="\"$caption\":" 'index($0, caption) && !found { print $1; found = 1 }')
    [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || fail "no window captioned \"$caption\" appeared"

  [[ $(xprop -id "$window" -notype _NET_WM_NAME) == "_NET_WM_NAME = \"$caption\"" ]] ||
    fail "caption: $(xprop -id "$window" -notype _NET_WM_NAME)"
  wm_class=$(xprop -id "$window" -notype WM_CLASS | sed -n 's/^WM_CLASS = "[^"]*", "\([^"]*\)"$/\1/p')
  desktop=$root/usr/share/applications/$APP_ID.desktop
  [[ $wm_class == "$(desktop_key "$desktop" StartupWMClass)" ]] ||
    fail "the window's class '$wm_class' is not the entry's StartupWMClass '$(desktop_key "$desktop" StartupWMClass)'"
  # Newer Qt versions also publish the desktop file name; where they do, it
  # must be the application id.
  published=$(xprop -id "$window" -notype _KDE_NET_WM_DESKTOP_FILE)
  if [[ $published == *'= "'* ]]; then
    [[ $published == "_KDE_NET_WM_DESKTOP_FILE = \"$APP_ID\"" ]] || fail "desktop file name: $published"
  fi

  # _NET_WM_ICON holds blocks of width, height and that many ARGB pixels;
  # each block of a size the package installs must match its PNG, compared
  # premultiplied so that the colour of transparent pixels does not count.
  xprop -id "$window" -notype 32c _NET_WM_ICON | sed 's/^[^=]*=//' | tr -s ', ' '\n\n' | grep . >"$WORK/icon.argb" ||
    fail "the window has no icon"
  compared=0
  offset=1
  total=$(wc -l <"$WORK/icon.argb")
  while ((offset < total)); do
    read -r width height < <(sed -n "${offset}p;$((offset + 1))p" "$WORK/icon.argb" | paste -sd ' ')
    first=$((offset + 2))
    offset=$((first + width * height))
    png=$root/usr/share/icons/hicolor/${width}x${height}/apps/$APP_ID.png
    [[ $width -eq $height && -f $png ]] || continue
    convert "$png" -depth 8 rgba:- | od -An -v -tu1 | tr -s ' ' '\n' | grep . >"$WORK/icon.rgba"
    sed -n "${first},$((offset - 1))p" "$WORK/icon.argb" >"$WORK/icon.block"
    difference=$(awk '
      NR == FNR { byte[NR - 1] = $1; next }
      {
        i = (FNR - 1) * 4
        a = int($1 / 16777216) % 256; r = int($1 / 65536) % 256; g = int($1 / 256) % 256; b = $1 % 256
        pa = byte[i + 3]
        sum += abs(r * a - byte[i] * pa) + abs(g * a - byte[i + 1] * pa) + abs(b * a - byte[i + 2] * pa)
        sum += 255 * abs(a - pa)
        n += 4
      }
      function abs(x) { return x < 0 ? -x : x }
      END { printf "%.2f\n", n ? sum / n / 255 : 999 }' "$WORK/icon.rgba" "$WORK/icon.block")
    awk -v d="$difference" 'BEGIN { exit !(d <= 2) }' ||
      fail "the window's ${width}x${height} icon differs from the menu's (mean difference $difference of 255)"
    compared=$((compared + 1))
  done
  ((compared > 0)) || fail "the window's icon has no size that the package installs"
  ;;

*)
  fail "unknown check $check"
  ;;
esac
