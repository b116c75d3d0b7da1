#!/usr/bin/env bash
# Runs a command beside a throwaway PostgreSQL server: a fresh cluster in a
# temporary folder (data, socket and log), started for the command and
# stopped and removed afterwards, also when the command fails or is
# interrupted. The command's exit code is the script's.
#
#   scripts/with-postgres.sh COMMAND [ARGUMENTS...]
#
# The same server for a test run that starts and stops it in two steps (the
# CTest fixture of tests/CMakeLists.txt):
#
#   scripts/with-postgres.sh --start ENVFILE   starts one and writes its
#                                              variables below into ENVFILE;
#                                              exit 77 when no PostgreSQL
#                                              server is installed, nothing
#                                              done when VESMIRA_TEST_PG is
#                                              set already
#   scripts/with-postgres.sh --stop ENVFILE    stops and removes it
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
# run as root; initdb refuses root), with PostgreSQL's durable settings
# (fsync, synchronous commit): the history's crash tests stop it the hard way.
set -euo pipefail

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1 || true)
as_server=()
[ "$(id -u)" -eq 0 ] && as_server=(runuser -u postgres --)

stop_server() { # WORKDIR
  [ -d "$1" ] || return 0
  "${as_server[@]}" "$bindir/pg_ctl" -D "$1/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$1"
}

start_server() { # WORKDIR: starts the cluster and exports the variables above
  local work=$1
  chmod 755 "$work"
  [ "$(id -u)" -eq 0 ] && chown postgres: "$work"
  local port=$((20000 + RANDOM % 20000))
  local password=vesmira-test-secret
  "${as_server[@]}" "$bindir/initdb" -D "$work/data" -U vesmira --auth-local=trust \
    --auth-host=scram-sha-256 -E UTF8 --locale=C.UTF-8 --no-sync >"$work/initdb.log" 2>&1 \
    || { cat "$work/initdb.log" >&2; return 1; }
  mkdir -p "$work/sock"
  [ "$(id -u)" -eq 0 ] && chown postgres: "$work/sock"
  "${as_server[@]}" "$bindir/pg_ctl" -D "$work/data" -l "$work/server.log" -w \
    -o "-k $work/sock -p $port -c listen_addresses=127.0.0.1" \
    start >/dev/null || { cat "$work/server.log" >&2; return 1; }

  local psql=("$bindir/psql" -X -q -v ON_ERROR_STOP=1 -h "$work/sock" -p "$port" -U vesmira)
  "${psql[@]}" -d postgres -c "create database vesmira_test" \
    -c "alter user vesmira password '$password'" >/dev/null

  export VESMIRA_TEST_PG="postgresql://vesmira@/vesmira_test?host=$work/sock&port=$port"
  export VESMIRA_TEST_PG_TCP="postgresql://vesmira@127.0.0.1:$port/vesmira_test"
  export VESMIRA_TEST_PG_PASSWORD=$password
  export VESMIRA_TEST_PG_CTL="${as_server[*]} $bindir/pg_ctl -D $work/data -l $work/server.log -w"
  export VESMIRA_TEST_PG_ADMIN="${psql[*]} -d vesmira_test"
}

installed() {
  [ -n "$bindir" ] && [ -x "$bindir/initdb" ]
}

case "${1:-}" in
--start)
  envfile=$2
  if [ -n "${VESMIRA_TEST_PG:-}" ]; then
    echo "with-postgres: using the server of VESMIRA_TEST_PG"
    exit 0
  fi
  if ! installed; then
    echo "with-postgres: no PostgreSQL server installed (scripts/install-deps.sh installs it):" \
      "the shared history's tests are skipped"
    exit 77
  fi
  # A server left by an interrupted run goes first.
  [ -f "$envfile" ] && stop_server "$(sed -n 's/^VESMIRA_TEST_PG_DIR=//p' "$envfile")"
  work=$(mktemp -d /tmp/vesmira-pg.XXXXXX)
  start_server "$work" || { stop_server "$work"; exit 1; }
  {
    echo "VESMIRA_TEST_PG_DIR=$work"
    env | grep -E '^VESMIRA_TEST_PG(_TCP|_PASSWORD|_CTL|_ADMIN)?='
  } >"$envfile"
  echo "with-postgres: PostgreSQL started in $work"
  exit 0
  ;;
--stop)
  envfile=$2
  [ -f "$envfile" ] || exit 0
  stop_server "$(sed -n 's/^VESMIRA_TEST_PG_DIR=//p' "$envfile")"
  rm -f "$envfile"
  exit 0
  ;;
esac

if ! installed; then
  echo "with-postgres: no PostgreSQL server installed (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
work=$(mktemp -d /tmp/vesmira-pg.XXXXXX)
trap 'stop_server "$work"' EXIT
trap 'exit 130' INT TERM
start_server "$work"

status=0
"$@" || status=$?
exit $status
