#!/usr/bin/env bash
# Runs a command beside a throwaway PostgreSQL server: a fresh cluster in a
# temporary folder (data, socket and log), started for the command and
# stopped and removed afterwards, also when the command fails or is
# interrupted. The command's exit code is the script's.
#
#   scripts/with-postgres.sh COMMAND [ARGUMENTS...]
#
# The command sees:
#   VESMIRA_TEST_PG            URL of an empty database "vesmira_test" over the
#                              Unix socket (user "vesmira", no password)
#   VESMIRA_TEST_PG_TCP        the same over TCP on 127.0.0.1, where the user
#                              needs the password
#   VESMIRA_TEST_PG_PASSWORD   that password
#   VESMIRA_TEST_PG_CTL        "pg_ctl -D DATA" of the cluster (tests stop and
#                              start the server with it)
#   VESMIRA_TEST_PG_ADMIN      a psql command line connected as the superuser
# The server runs as an unprivileged user (the "postgres" system account when
# run as root; initdb refuses root).
set -euo pipefail

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1 || true)
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
  echo "with-postgres: no PostgreSQL server installed (scripts/install-deps.sh installs it)" >&2
  exit 1
fi

work=$(mktemp -d /tmp/vesmira-pg.XXXXXX)
chmod 755 "$work"
as_server=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres: "$work"
  as_server=(runuser -u postgres --)
fi
port=$((20000 + RANDOM % 20000))
password=vesmira-test-secret

stop() {
  "${as_server[@]}" "$bindir/pg_ctl" -D "$work/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT TERM

"${as_server[@]}" "$bindir/initdb" -D "$work/data" -U vesmira --auth-local=trust \
  --auth-host=scram-sha-256 -E UTF8 --locale=C.UTF-8 --no-sync >"$work/initdb.log" 2>&1 \
  || { cat "$work/initdb.log" >&2; exit 1; }
mkdir -p "$work/sock"
[ "$(id -u)" -eq 0 ] && chown postgres: "$work/sock"
"${as_server[@]}" "$bindir/pg_ctl" -D "$work/data" -l "$work/server.log" -w \
  -o "-k $work/sock -p $port -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off" \
  start >/dev/null || { cat "$work/server.log" >&2; exit 1; }

psql=("$bindir/psql" -X -q -v ON_ERROR_STOP=1 -h "$work/sock" -p "$port" -U vesmira)
"${psql[@]}" -d postgres -c "create database vesmira_test" \
  -c "alter user vesmira password '$password'" >/dev/null

export VESMIRA_TEST_PG="postgresql://vesmira@/vesmira_test?host=$work/sock&port=$port"
export VESMIRA_TEST_PG_TCP="postgresql://vesmira@127.0.0.1:$port/vesmira_test"
export VESMIRA_TEST_PG_PASSWORD=$password
export VESMIRA_TEST_PG_CTL="${as_server[*]} $bindir/pg_ctl -D $work/data -l $work/server.log -w"
export VESMIRA_TEST_PG_ADMIN="${psql[*]} -d vesmira_test"

status=0
"$@" || status=$?
exit $status
