#!/usr/bin/env bash
# Prepares a training centre's PostgreSQL database for its class: the stations (the trainees' PCs)
# and the instructors meet there, with no server of ours between them.
#
#   scripts/centre-setup.sh [psql options] [--station NAME]... [--instructor NAME]...
#
# Run by the centre's database administrator, as a role that may create roles and owns (or may
# create) the schema "class" of the database. The connection is psql's: its options (-h, -p, -d,
# -U) or the PG* environment variables. Running it again changes nothing that is there already,
# and adds the logins named anew.
#
# It makes, in the schema "class":
#   stations  one row per station login: its PC, account, program, when it started and was last
#             seen, and the trainee and id of the session it streams;
#   lines     each station's session files, line by line, numbered from 1 per session;
#   commands  the instructors' command lines, to one station or (no station) to every one;
#   answers   each station's confirmation of a command, with its answer;
#   lessons   the lesson an instructor set for a station (training | exam).
# the trainees' history (schema public: sessions, library, schema_version) as the trainer makes it,
# which every login reads and adds to; and the group roles zun_stations and zun_instructors, with a
# login per --station (a member of zun_stations) and per --instructor (a member of
# zun_instructors). The server itself keeps each
# station to its own rows: a station writes only its own row and lines, reads only its own lines
# and the commands addressed to it, answers only those, and reads its lesson without changing it.
# Instructors read everything, send commands and set lessons. Each batch of lines is announced
# on the channel zun_class as {"station": ..., "session": ..., "seq": last seq}.
#
# The logins have no password: give each one with psql's \password NAME, and the station's or
# instructor's PC its password in ~/.pgpass (or let pg_hba.conf admit it otherwise).
set -euo pipefail

usage() {
    echo "usage: $0 [psql options] [--station NAME]... [--instructor NAME]..." >&2
    exit 2
}

stations=()
instructors=()
psql_options=()
while [ $# -gt 0 ]; do
    case "$1" in
    --station | --instructor)
        if [ $# -lt 2 ] || [ -z "$2" ]; then usage; fi
        if [ "$1" = --station ]; then stations+=("$2"); else instructors+=("$2"); fi
        shift 2
        ;;
    --help) usage ;;
    *)
        psql_options+=("$1")
        shift
        ;;
    esac
done

# A name as an SQL string literal.
literal() {
    printf "'%s'" "${1//\'/\'\'}"
}

# The statements that make a login a member of `group`, creating it when it is new.
login_statements() {
    local name group="$2"
    name="$(literal "$1")"
    cat <<SQL
SELECT format('CREATE ROLE %I LOGIN', $name)
    WHERE NOT EXISTS (SELECT FROM pg_roles WHERE rolname = $name) \gexec
SELECT format('GRANT $group TO %I', $name) \gexec
SQL
}

{
    cat <<'SQL'
SET client_min_messages = warning;

SELECT 'CREATE ROLE zun_stations NOLOGIN'
    WHERE NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'zun_stations') \gexec
SELECT 'CREATE ROLE zun_instructors NOLOGIN'
    WHERE NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'zun_instructors') \gexec

CREATE SCHEMA IF NOT EXISTS class;
GRANT USAGE ON SCHEMA class TO zun_stations, zun_instructors;

CREATE TABLE IF NOT EXISTS class.stations (
    station NAME PRIMARY KEY DEFAULT current_user,
    pc TEXT NOT NULL,
    account TEXT NOT NULL,
    program_version TEXT NOT NULL,
    started TIMESTAMPTZ NOT NULL, -- the station's program
    trainee TEXT, -- of the session it streams, none before the first
    session TEXT,
    last_seen TIMESTAMPTZ NOT NULL DEFAULT now());

CREATE TABLE IF NOT EXISTS class.lines (
    station NAME NOT NULL DEFAULT current_user,
    session TEXT NOT NULL,
    seq INTEGER NOT NULL CHECK (seq > 0),
    line TEXT NOT NULL,
    PRIMARY KEY (station, session, seq));

CREATE TABLE IF NOT EXISTS class.commands (
    id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    station NAME, -- none: to every station
    line TEXT NOT NULL,
    sent_at TIMESTAMPTZ NOT NULL DEFAULT now(),
    sent_by NAME NOT NULL DEFAULT current_user);

-- A command to every station is answered by each of them: the answers are rows of their own.
CREATE TABLE IF NOT EXISTS class.answers (
    command BIGINT NOT NULL REFERENCES class.commands,
    station NAME NOT NULL DEFAULT current_user,
    confirmed_at TIMESTAMPTZ NOT NULL DEFAULT now(),
    answer TEXT NOT NULL,
    PRIMARY KEY (command, station));

CREATE TABLE IF NOT EXISTS class.lessons (
    station NAME PRIMARY KEY,
    lesson TEXT NOT NULL CHECK (lesson IN ('training', 'exam')),
    set_at TIMESTAMPTZ NOT NULL DEFAULT now(),
    set_by NAME NOT NULL DEFAULT current_user);

-- One notification per batch and session, however the station sends it: the trigger runs as the
-- inserting station and reads only the rows its statement inserted.
CREATE OR REPLACE FUNCTION class.announce_lines() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    PERFORM pg_notify('zun_class',
                      json_build_object('station', station, 'session', session,
                                        'seq', max(seq))::text)
        FROM inserted GROUP BY station, session;
    RETURN NULL;
END $$;
DROP TRIGGER IF EXISTS announce_lines ON class.lines;
CREATE TRIGGER announce_lines AFTER INSERT ON class.lines
    REFERENCING NEW TABLE AS inserted FOR EACH STATEMENT
    EXECUTE FUNCTION class.announce_lines();

REVOKE ALL ON ALL TABLES IN SCHEMA class FROM PUBLIC, zun_stations, zun_instructors;
GRANT SELECT, INSERT, UPDATE ON class.stations TO zun_stations;
GRANT SELECT, INSERT ON class.lines, class.answers TO zun_stations;
GRANT SELECT ON class.commands, class.lessons TO zun_stations;
GRANT SELECT ON ALL TABLES IN SCHEMA class TO zun_instructors;
GRANT INSERT ON class.commands TO zun_instructors;
GRANT INSERT, UPDATE, DELETE ON class.lessons TO zun_instructors;

ALTER TABLE class.stations ENABLE ROW LEVEL SECURITY;
ALTER TABLE class.lines ENABLE ROW LEVEL SECURITY;
ALTER TABLE class.commands ENABLE ROW LEVEL SECURITY;
ALTER TABLE class.answers ENABLE ROW LEVEL SECURITY;
ALTER TABLE class.lessons ENABLE ROW LEVEL SECURITY;

DROP POLICY IF EXISTS own_row ON class.stations;
CREATE POLICY own_row ON class.stations TO zun_stations
    USING (station = current_user) WITH CHECK (station = current_user);
DROP POLICY IF EXISTS own_lines ON class.lines;
CREATE POLICY own_lines ON class.lines TO zun_stations
    USING (station = current_user) WITH CHECK (station = current_user);
DROP POLICY IF EXISTS addressed ON class.commands;
CREATE POLICY addressed ON class.commands FOR SELECT TO zun_stations
    USING (station = current_user OR station IS NULL);
-- A station answers only for itself, and only a command it can see.
DROP POLICY IF EXISTS own_answers ON class.answers;
CREATE POLICY own_answers ON class.answers TO zun_stations
    USING (station = current_user)
    WITH CHECK (station = current_user
                AND EXISTS (SELECT FROM class.commands WHERE commands.id = answers.command));
DROP POLICY IF EXISTS own_lesson ON class.lessons;
CREATE POLICY own_lesson ON class.lessons FOR SELECT TO zun_stations
    USING (station = current_user);

-- The trainees' history, as the trainer's own migrations leave it at schema version 5, so that
-- stations, which may not create tables, find it made; a history made earlier by the trainer is
-- kept as it is. Every PC of the centre reads and stores sessions and the instructors' library.
CREATE TABLE IF NOT EXISTS public.schema_version (version INTEGER NOT NULL);
INSERT INTO public.schema_version (version) SELECT 5
    WHERE NOT EXISTS (SELECT FROM public.schema_version);
CREATE TABLE IF NOT EXISTS public.sessions (
    session_key TEXT PRIMARY KEY,
    file_name TEXT NOT NULL,
    station TEXT NOT NULL,
    account TEXT NOT NULL,
    trainee TEXT NOT NULL,
    started TEXT NOT NULL,
    length_ms BIGINT NOT NULL,
    modes TEXT NOT NULL,
    lesson TEXT NOT NULL,
    stages_by_trainee INTEGER NOT NULL,
    score INTEGER,
    file_size BIGINT NOT NULL,
    file_text TEXT NOT NULL,
    exercise TEXT NOT NULL DEFAULT '',
    goal_reached INTEGER);
CREATE INDEX IF NOT EXISTS sessions_by_trainee ON public.sessions (trainee, started);
CREATE TABLE IF NOT EXISTS public.library (
    kind TEXT NOT NULL,
    name TEXT NOT NULL,
    item_text TEXT NOT NULL,
    PRIMARY KEY (kind, name));
GRANT SELECT ON public.schema_version TO zun_stations, zun_instructors;
GRANT SELECT, INSERT, UPDATE ON public.sessions, public.library TO zun_stations, zun_instructors;

DO $$
DECLARE
    kept TEXT;
BEGIN
    FOREACH kept IN ARRAY ARRAY['stations', 'lines', 'commands', 'answers', 'lessons'] LOOP
        EXECUTE format('DROP POLICY IF EXISTS everything ON class.%I', kept);
        EXECUTE format('CREATE POLICY everything ON class.%I TO zun_instructors'
                       ' USING (true) WITH CHECK (true)', kept);
    END LOOP;
END $$;
SQL
    for name in "${stations[@]}"; do login_statements "$name" zun_stations; done
    for name in "${instructors[@]}"; do login_statements "$name" zun_instructors; done
} | psql -X -q -v ON_ERROR_STOP=1 --single-transaction "${psql_options[@]}" -f -
