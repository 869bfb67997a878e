#!/usr/bin/env bash
# Private PostgreSQL servers for the tests, each reachable only through a Unix socket in its own
# temporary folder, with trust authentication and the superuser zun_test.
#
# Sourced by scripts/test.sh: start_test_postgres starts the tests' shared server, stops it when
# the script exits, and exports ZUN_TEST_PGHOST (its socket folder) and ZUN_TEST_PGUSER.
#
# Run by a test that stops and starts its server under its clients (the shared one serves the
# other tests meanwhile):
#   test-postgres.sh new            makes and starts a server; prints its folder (the socket's)
#   test-postgres.sh stop FOLDER    stops it, keeping its data
#   test-postgres.sh start FOLDER   starts it again
#   test-postgres.sh remove FOLDER  stops it and removes its folder

test_pg_bin="$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)"
# The server refuses to run as root: then it runs as the postgres user, in a folder it owns.
test_pg_as=()
if [ "$(id -u)" -eq 0 ]; then
    test_pg_as=(runuser -u postgres --)
fi

new_test_postgres() {
    local folder
    folder="$(mktemp -d /tmp/zun-test-pg.XXXXXX)"
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres: "$folder"
    fi
    "${test_pg_as[@]}" "$test_pg_bin/initdb" --pgdata="$folder/data" --username=zun_test \
        --auth=trust --no-sync --encoding=UTF8 --locale=C.UTF-8 >"$folder/initdb.log"
    resume_test_postgres "$folder"
    echo "$folder"
}

resume_test_postgres() {
    "${test_pg_as[@]}" "$test_pg_bin/pg_ctl" --pgdata="$1/data" --wait --silent \
        --log="$1/server.log" --options="-c listen_addresses='' -k $1 -c fsync=off" start
}

pause_test_postgres() {
    "${test_pg_as[@]}" "$test_pg_bin/pg_ctl" --pgdata="$1/data" --wait --silent --mode=fast stop
}

remove_test_postgres() {
    pause_test_postgres "$1" || true
    rm -rf "$1"
}

start_test_postgres() {
    test_pg_folder="$(new_test_postgres)"
    trap stop_test_postgres EXIT
    export ZUN_TEST_PGHOST="$test_pg_folder" ZUN_TEST_PGUSER=zun_test
}

stop_test_postgres() {
    remove_test_postgres "$test_pg_folder"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    case "${1-}" in
    new) new_test_postgres ;;
    stop) pause_test_postgres "$2" ;;
    start) resume_test_postgres "$2" ;;
    remove) remove_test_postgres "$2" ;;
    *)
        echo "usage: $0 new | stop FOLDER | start FOLDER | remove FOLDER" >&2
        exit 2
        ;;
    esac
fi
