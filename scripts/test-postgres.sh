# Sourced by scripts/test.sh: starts a private PostgreSQL server for the history's tests, reachable
# only through a Unix socket in its own temporary folder, and stops it when the script exits.
# Exports ZUN_TEST_PGHOST (the socket folder) and ZUN_TEST_PGUSER.

start_test_postgres() {
    local bin
    bin="$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)"
    test_pg_folder="$(mktemp -d /tmp/zun-test-pg.XXXXXX)"
    # The server refuses to run as root: then it runs as the postgres user, in a folder it owns.
    test_pg_as=()
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres: "$test_pg_folder"
        test_pg_as=(runuser -u postgres --)
    fi
    test_pg_bin="$bin"
    trap stop_test_postgres EXIT
    "${test_pg_as[@]}" "$bin/initdb" --pgdata="$test_pg_folder/data" --username=zun_test \
        --auth=trust --no-sync --encoding=UTF8 --locale=C.UTF-8 >"$test_pg_folder/initdb.log"
    "${test_pg_as[@]}" "$bin/pg_ctl" --pgdata="$test_pg_folder/data" --wait --silent \
        --log="$test_pg_folder/server.log" \
        --options="-c listen_addresses='' -k $test_pg_folder -c fsync=off" start
    export ZUN_TEST_PGHOST="$test_pg_folder" ZUN_TEST_PGUSER=zun_test
}

stop_test_postgres() {
    "${test_pg_as[@]}" "$test_pg_bin/pg_ctl" --pgdata="$test_pg_folder/data" --wait --silent \
        --mode=fast stop || true
    rm -rf "$test_pg_folder"
}
