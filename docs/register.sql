-- The shared register of Quorvik PLB, version 2, for PostgreSQL 12 or later.
-- Quorvik PLB runs exactly these statements itself, in one transaction, the first time a
-- station connects to an empty database, and again to bring a version 1 register to version 2
-- (every statement leaves what is already there alone). An administrator who prefers to create the tables
-- by hand runs this file as the owner of the database (psql -d register -f register.sql)
-- and grants the stations' role SELECT and INSERT on the tables, UPDATE and DELETE on
-- quorvik_claims and quorvik_carriers, and USAGE on the sequence.
-- A register of a higher version than a station knows is left alone by that station.

CREATE TABLE IF NOT EXISTS public.quorvik_schema (
    version      integer NOT NULL,
    upgraded_at  timestamptz NOT NULL DEFAULT now()
);

-- One row per programming of a beacon. programming_key is a hash of everything the
-- station recorded: a programming sent twice stays one row.
CREATE TABLE IF NOT EXISTS public.quorvik_beacons (
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
CREATE INDEX IF NOT EXISTS quorvik_beacons_hex_id ON public.quorvik_beacons (hex_id varchar_pattern_ops);
CREATE INDEX IF NOT EXISTS quorvik_beacons_serial ON public.quorvik_beacons (serial text_pattern_ops);
CREATE INDEX IF NOT EXISTS quorvik_beacons_station ON public.quorvik_beacons (station text_pattern_ops);
CREATE INDEX IF NOT EXISTS quorvik_beacons_station_recorded ON public.quorvik_beacons (station, recorded_at);
CREATE INDEX IF NOT EXISTS quorvik_beacons_owner ON public.quorvik_beacons (lower(owner_name) text_pattern_ops);
CREATE INDEX IF NOT EXISTS quorvik_beacons_recorded ON public.quorvik_beacons (recorded_at, id);
-- Whether a programming is the beacon's latest (an older one of another ID is "formerly carried").
CREATE INDEX IF NOT EXISTS quorvik_beacons_beacon ON public.quorvik_beacons (model, serial, id);

-- The first beacon to ask for a hex ID reserves it here, before it is written. The primary
-- key decides between two stations asking at the same moment: one reserves it, the other
-- is told who holds it. A reservation lives until its write ends (released when the write
-- fails or is cancelled, turned into the beacon's carrier row when it is recorded) and no
-- longer than expires_at, so that a station that dies mid-write blocks nobody for good.
CREATE TABLE IF NOT EXISTS public.quorvik_claims (
    hex_id      varchar(15) PRIMARY KEY,
    model       integer NOT NULL,
    serial      text NOT NULL,
    station     text NOT NULL DEFAULT '',
    operator    text NOT NULL DEFAULT '',
    claimed_at  timestamptz NOT NULL DEFAULT now()
);
ALTER TABLE public.quorvik_claims ADD COLUMN IF NOT EXISTS expires_at timestamptz NOT NULL DEFAULT now() + interval '10 minutes';
-- Version 1 never released a reservation: those left are stale.
DELETE FROM public.quorvik_claims WHERE NOT EXISTS (SELECT 1 FROM public.quorvik_schema WHERE version >= 2);

-- Who carries each hex ID now: one beacon per ID, one ID per beacon. Changed in the
-- transaction that records the programming; a beacon programmed with another ID frees its
-- old one. A second beacon written with the ID for a recorded reason has its programming
-- row, not this one.
CREATE TABLE IF NOT EXISTS public.quorvik_carriers (
    hex_id          varchar(15) PRIMARY KEY,
    model           integer NOT NULL,
    serial          text NOT NULL,
    station         text NOT NULL DEFAULT '',
    operator        text NOT NULL DEFAULT '',
    programming_id  bigint NOT NULL REFERENCES public.quorvik_beacons (id),
    since           timestamptz NOT NULL DEFAULT now(),
    UNIQUE (model, serial)
);
-- From a version 1 register: each beacon's latest programming, the first beacon per ID.
INSERT INTO public.quorvik_carriers (hex_id, model, serial, station, operator, programming_id, since)
SELECT DISTINCT ON (hex_id) hex_id, model, serial, station, operator, id, recorded_at
FROM (SELECT DISTINCT ON (model, serial) * FROM public.quorvik_beacons ORDER BY model, serial, id DESC) latest
ORDER BY hex_id, id
ON CONFLICT DO NOTHING;

INSERT INTO public.quorvik_schema (version) SELECT 2 WHERE NOT EXISTS (SELECT 1 FROM public.quorvik_schema WHERE version >= 2);
