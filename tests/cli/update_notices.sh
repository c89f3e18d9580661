#!/usr/bin/env bash
# scx update and scx notices against the test HTTP server on a loopback port: a first and a second
# update, a file the server fails, no server, the daily check, the feed, and the usage errors.
set -euo pipefail
scx=$1 python=$2 server_script=$3 sampledb=$4
work=$(mktemp -d)
server_pid=
cleanup() { [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$work/srv/files" "$work/home"
"$scx" db build "$sampledb" "$work/srv/files" > /dev/null
"$python" "$server_script" --root "$work/srv" --port-file "$work/port" &
server_pid=$!
for _ in $(seq 200); do [ -s "$work/port" ] && break; sleep 0.05; done
host=127.0.0.1:$(cat "$work/port")
home=$work/home
names="windowchecklist.dat package.dat filter.dat userchecklist.dat fontchecklist.dat"

# First update: five files, no backups, the steps in their order.
"$scx" --home "$home" update --host "$host" > "$work/out" || fail "first update"
[ "$(cut -c2 "$work/out" | tr -d '\n')" = "0123546" ] || fail "step order: $(cat "$work/out")"
grep -q "^\[6/6\] 업데이트가 완료되었습니다.$" "$work/out" || fail "completion text"
for n in $names; do
  cmp -s "$work/srv/files/$n" "$home/$n" || fail "$n not in place"
  [ ! -e "$home/$n.bak" ] || fail "$n.bak after the first update"
done

# Second update with filter.dat failing on the server: the other four rotate, filter.dat stays.
echo '{"filter.dat": {"status": 500}}' > "$work/srv/control.json"
printf 'local' > "$home/filter.dat"
set +e
"$scx" --home "$home" update --host "$host" > "$work/out" 2> "$work/err"; status=$?
set -e
[ $status -eq 1 ] || fail "failed file: want exit 1, got $status"
grep -q "filter.dat: download failed" "$work/err" || fail "failed file not named: $(cat "$work/err")"
grep -q "^\[6/6\]" "$work/out" || fail "completion after a failed file"
[ "$(cat "$home/filter.dat")" = local ] || fail "filter.dat replaced"
[ ! -e "$home/filter.dat.bak" ] || fail "filter.dat.bak made"
for n in windowchecklist.dat package.dat userchecklist.dat fontchecklist.dat; do
  cmp -s "$work/srv/files/$n" "$home/$n.bak" || fail "$n.bak is not the previous file"
done
rm "$work/srv/control.json"

# No server: the connection message, nothing touched.
closed=$("$python" -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
set +e
"$scx" --home "$home" update --host "127.0.0.1:$closed" > /dev/null 2> "$work/err"; status=$?
set -e
[ $status -eq 1 ] || fail "no server: want exit 1, got $status"
grep -q "인터넷 연결 상태를 확인해 주세요." "$work/err" || fail "no-connection message"
[ "$(cat "$home/filter.dat")" = local ] || fail "no server: file touched"

# The daily check, with the server from ScxSetting.ini: the first check updates and sets
# UpdateFlag to N; the second on the same day does nothing.
printf '[Server]\r\nChecklistHost=%s\r\nNoticeHost=%s\r\n' "$host" "$host" > "$home/ScxSetting.ini"
"$scx" --home "$home" update --daily > "$work/out" || fail "daily update"
grep -q "^\[6/6\]" "$work/out" || fail "daily update did not run"
grep -q "^UpdateFlag=N" "$home/ScxSetting.ini" || fail "UpdateFlag not set to N"
grep -q "^LatestUpdateDate=$(date +%Y-%m-%d)" "$home/ScxSetting.ini" || fail "LatestUpdateDate"
"$scx" --home "$home" update --daily > "$work/out" || fail "second daily check"
grep -q "no update due today" "$work/out" || fail "second daily check updated"

# The feed: the channel and two items.
cat > "$work/srv/feed.xml" <<'XML'
<rss><channel><title>공지사항</title><link>https://notice.example/</link>
<item><title><![CDATA[공지]]></title><link>https://notice.example/1</link></item>
<item><title>점검 안내</title><link>https://notice.example/2</link></item></channel></rss>
XML
"$scx" --home "$home" notices > "$work/out" || fail "notices"
printf '1\t공지사항\thttps://notice.example/\n2\t공지\thttps://notice.example/1\n3\t점검 안내\thttps://notice.example/2\n' > "$work/want"
cmp -s "$work/want" "$work/out" || fail "notices output: $(cat "$work/out")"
echo '{"feed": {"status": 503}}' > "$work/srv/control.json"
set +e
"$scx" --home "$home" notices > "$work/out" 2> "$work/err"; status=$?
set -e
[ $status -eq 1 ] && [ ! -s "$work/out" ] || fail "feed error: want exit 1 and no rows"
grep -q "HttpSendRequest error(503)" "$work/err" || fail "feed error text"

# Usage errors and a missing server setting.
set +e
"$scx" --home "$home" update --host "bad host" > /dev/null 2>&1; [ $? -eq 2 ] || fail "bad --host: want 2"
"$scx" --home "$work/empty" notices > /dev/null 2>&1; [ $? -eq 1 ] || fail "no NoticeHost: want 1"
"$scx" --home "$home" update extra > /dev/null 2>&1; [ $? -eq 2 ] || fail "extra argument: want 2"
set -e
echo "update and notices against the test server: ok"
