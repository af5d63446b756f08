#!/usr/bin/env bash
# Installs what is missing, builds, starts a throwaway PostgreSQL 15 cluster on 127.0.0.1
# and runs every test on SQLite and on PostgreSQL. The cluster is stopped on exit.
source "$(dirname "$0")/scripts-common.sh"
nimbo_install
nimbo_build RelWithDebInfo "$NIMBO_ROOT/build"

PGBIN=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -1)
PGDIR=$(mktemp -d /tmp/nimbo-pg-XXXXXX)
PGPORT=$(( 20000 + RANDOM % 20000 ))
PGUSER_OS=postgres
if [ "$(id -u)" -ne 0 ]; then PGUSER_OS="$(id -un)"; fi
as_pg() { if [ "$(id -u)" -eq 0 ]; then su -s /bin/bash "$PGUSER_OS" -c "$*"; else bash -c "$*"; fi; }

cleanup() {
  as_pg "$PGBIN/pg_ctl -D $PGDIR/data -m immediate stop" >/dev/null 2>&1 || true
  rm -rf "$PGDIR"
}
trap cleanup EXIT

[ "$(id -u)" -eq 0 ] && chown "$PGUSER_OS" "$PGDIR"
as_pg "$PGBIN/initdb -D $PGDIR/data -U postgres -A trust -E UTF8 --locale=C.UTF-8" >/dev/null
as_pg "$PGBIN/pg_ctl -D $PGDIR/data -l $PGDIR/log -w -o \"-h 127.0.0.1 -p $PGPORT -k $PGDIR -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=200\" start" >/dev/null
as_pg "$PGBIN/psql -h 127.0.0.1 -p $PGPORT -U postgres -qc 'CREATE ROLE \"NIMB\" LOGIN SUPERUSER'"
export NIMBO_TEST_PGSERVER="127.0.0.1:$PGPORT"
echo "== PostgreSQL on $NIMBO_TEST_PGSERVER"

cd "$NIMBO_ROOT/build"
ctest --output-on-failure -j "$(nproc)" "$@"
