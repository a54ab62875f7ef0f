-- The birthday register: the persons and the Gregorian days on which each
-- person's lunar birthday falls. The two tables are linked by the name.
-- Names are compared without regard to letter case (COLLATE NOCASE), so
-- "Li Lei" and "li lei" are the same person in every where clause.

CREATE TABLE tbl_nlbirthday (
  KeyID      INTEGER PRIMARY KEY AUTOINCREMENT,
  Buser      TEXT(50) COLLATE NOCASE CHECK (length(Buser) <= 50),
  BNbirthday TEXT(50) CHECK (length(BNbirthday) <= 50),
  pic        BLOB
);

-- One person per name, whatever the letter case: a second copy of the
-- program adding the same name at the same moment fails instead of
-- leaving two persons that one delete would remove together.
CREATE UNIQUE INDEX ix_nlbirthday_buser ON tbl_nlbirthday (Buser);

-- NF is an integer column: a year bound as the text '2026' is converted
-- to the number 2026 before the comparison (numeric affinity), so
-- "where nf=:p" finds the rows of that year.
CREATE TABLE tbl_glbirthday (
  KeyID      INTEGER PRIMARY KEY AUTOINCREMENT,
  Buser      TEXT(50) COLLATE NOCASE,
  BGbirthday TEXT(11),
  NL         INTEGER,
  NF         INTEGER,
  XQ         TEXT(3)
);

CREATE INDEX ix_glbirthday_nf ON tbl_glbirthday (NF);
CREATE INDEX ix_glbirthday_buser ON tbl_glbirthday (Buser);
