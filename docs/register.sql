-- The shared register of Quorvik PLB, version 1, for PostgreSQL 12 or later.
-- Quorvik PLB runs exactly these statements itself, in one transaction, the first time a
-- station connects to an empty database. An administrator who prefers to create the tables
-- by hand runs this file as the owner of the database (psql -d register -f register.sql)
-- and grants the stations' role SELECT and INSERT on the tables and USAGE on the sequence.
-- A register of a higher version than a station knows is left alone by that station.

CREATE TABLE IF NOT EXISTS quorvik_schema (
    version      integer NOT NULL,
    upgraded_at  timestamptz NOT NULL DEFAULT now()
);

-- One row per programming of a beacon. programming_key is a hash of everything the
-- station recorded: a programming sent twice stays one row.
CREATE TABLE IF NOT EXISTS quorvik_beacons (
    id               bigserial PRIMARY KEY,
    programming_key  text NOT NULL UNIQUE,
    hex_id           varchar(15) NOT NULL,
    model            integer NOT NULL,
    serial           text NOT NULL,
    protocol         integer NOT NULL,
    country          integer NOT NULL,
    mmsi             text NOT NULL DEFAULT '',
    beacon_no        integer NOT NULL DEFAULT 0,
    tac_no           integer NOT NULL DEFAULT 0,
    tac_no_rls       integer NOT NULL DEFAULT 0,
    tac_no_rls_plb   integer NOT NULL DEFAULT 0,
    custom_serial    integer NOT NULL DEFAULT 0,
    message          text NOT NULL DEFAULT '',
    owner_name       text NOT NULL DEFAULT '',
    owner_address    text NOT NULL DEFAULT '',
    owner_telephone  text NOT NULL DEFAULT '',
    owner_other      text NOT NULL DEFAULT '',
    battery_expiry   date,
    station          text NOT NULL DEFAULT '',
    operator         text NOT NULL DEFAULT '',
    dealer           bigint NOT NULL DEFAULT 0,
    prog_date        date,
    data_block       bytea NOT NULL,
    duplicate_reason text NOT NULL DEFAULT '',
    note             text NOT NULL DEFAULT '',
    recorded_at      timestamptz NOT NULL DEFAULT now()
);
-- The ID lookup before every write, and the searches of the Reports page (by the start of
-- the hex ID, serial, station or owner name; newest first).
CREATE INDEX IF NOT EXISTS quorvik_beacons_hex_id ON quorvik_beacons (hex_id varchar_pattern_ops);
CREATE INDEX IF NOT EXISTS quorvik_beacons_serial ON quorvik_beacons (serial text_pattern_ops);
CREATE INDEX IF NOT EXISTS quorvik_beacons_station ON quorvik_beacons (station text_pattern_ops);
CREATE INDEX IF NOT EXISTS quorvik_beacons_station_recorded ON quorvik_beacons (station, recorded_at);
CREATE INDEX IF NOT EXISTS quorvik_beacons_owner ON quorvik_beacons (lower(owner_name) text_pattern_ops);
CREATE INDEX IF NOT EXISTS quorvik_beacons_recorded ON quorvik_beacons (recorded_at, id);

-- The first beacon to ask for a hex ID reserves it here, before it is written. The primary
-- key decides between two stations asking at the same moment: one reserves it, the other
-- is told who holds it.
CREATE TABLE IF NOT EXISTS quorvik_claims (
    hex_id      varchar(15) PRIMARY KEY,
    model       integer NOT NULL,
    serial      text NOT NULL,
    station     text NOT NULL DEFAULT '',
    operator    text NOT NULL DEFAULT '',
    claimed_at  timestamptz NOT NULL DEFAULT now()
);

INSERT INTO quorvik_schema (version) VALUES (1);
