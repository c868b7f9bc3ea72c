-- The template of every new vocabulary. The build turns this file into "vocab.mdn".
--
-- FoldKey (the case-folded headword) and SortKey (a key whose plain code-point order is
-- dictionary order) are filled by Lex Mint; rows that another tool adds or renames get them
-- filled again when Lex Mint next opens the file, and so do all rows when the property
-- "KeyVersion" names another way of making them. Lines counts each entry's definition lines
-- and is kept by triggers, so that positions in the data sheet can be computed from the index.

CREATE TABLE Headwords (
    ID           INTEGER PRIMARY KEY AUTOINCREMENT,
    Headword     VARCHAR(50) NOT NULL,
    LastTestedOn DATE NOT NULL DEFAULT (date('now', 'localtime')),
    Tested       INTEGER NOT NULL DEFAULT 0,
    Correct      INTEGER NOT NULL DEFAULT 0,
    LastOK       INTEGER NOT NULL DEFAULT -1,
    FoldKey      TEXT,
    SortKey      TEXT,
    Lines        INTEGER NOT NULL DEFAULT 0,
    Stability    REAL,
    Difficulty   REAL,
    DueOn        DATE,
    LearningState INTEGER NOT NULL DEFAULT 0,
    LearningStep INTEGER NOT NULL DEFAULT 0
);

-- One row per definition line; lines of an entry keep the order in which they were added.
CREATE TABLE Definitions (
    ID         INTEGER NOT NULL,
    Definition VARCHAR(100) NOT NULL
);

-- Every answer given in a test: when (UTC, milliseconds since 1970), whether it was right, how
-- long it took from showing the entry to confirming the answer, and the entry's stability after
-- it. The memory state in Headwords (Stability, Difficulty, DueOn, LearningState, LearningStep)
-- follows from an entry's answers; answers without a stability, as another tool may add them,
-- get the states of their entries computed afresh when Lex Mint next opens the file.
CREATE TABLE Answers (
    ID        INTEGER PRIMARY KEY AUTOINCREMENT,
    Entry     INTEGER NOT NULL,
    Moment    INTEGER NOT NULL,
    WasRight  INTEGER NOT NULL,
    Duration  INTEGER,
    Stability REAL
);

CREATE TABLE Properties (
    Name  TEXT PRIMARY KEY COLLATE NOCASE,
    Value INTEGER NOT NULL
);

-- FoldKey is in the index so that a quick find tests its pattern without reading the rows.
CREATE INDEX HeadwordsBySortKey ON Headwords (SortKey, ID, Lines, FoldKey);
CREATE INDEX HeadwordsByFoldKey ON Headwords (FoldKey);
CREATE INDEX DefinitionsByEntry ON Definitions (ID);
CREATE INDEX HeadwordsByDueOn ON Headwords (DueOn);
CREATE INDEX HeadwordsByStability ON Headwords (Stability);
CREATE INDEX AnswersByEntry ON Answers (Entry, Moment);
CREATE INDEX AnswersByMoment ON Answers (Moment, WasRight, Entry);
CREATE INDEX AnswersUnscheduled ON Answers (Entry) WHERE Stability IS NULL;

CREATE TRIGGER DefinitionAdded AFTER INSERT ON Definitions
BEGIN
    UPDATE Headwords SET Lines = Lines + 1 WHERE ID = new.ID;
END;

CREATE TRIGGER DefinitionRemoved AFTER DELETE ON Definitions
BEGIN
    UPDATE Headwords SET Lines = Lines - 1 WHERE ID = old.ID;
END;

CREATE TRIGGER DefinitionMoved AFTER UPDATE OF ID ON Definitions
BEGIN
    UPDATE Headwords SET Lines = Lines - 1 WHERE ID = old.ID;
    UPDATE Headwords SET Lines = Lines + 1 WHERE ID = new.ID;
END;

-- An entry takes its definition lines with it.
CREATE TRIGGER HeadwordRemoved AFTER DELETE ON Headwords
BEGIN
    DELETE FROM Definitions WHERE ID = old.ID;
END;

-- An entry takes its answers with it.
CREATE TRIGGER EntryAnswersRemoved AFTER DELETE ON Headwords
BEGIN
    DELETE FROM Answers WHERE Entry = old.ID;
END;

-- A headword changed without its keys (by another tool) gets its keys computed afresh.
CREATE TRIGGER HeadwordRenamed AFTER UPDATE OF Headword ON Headwords
WHEN new.SortKey IS old.SortKey
BEGIN
    UPDATE Headwords SET FoldKey = NULL, SortKey = NULL WHERE ID = new.ID;
END;

-- The data sheet: one row per definition line, in dictionary order of the headwords.
CREATE VIEW "Vocabulary" AS
SELECT h.Headword AS Headword, d.Definition AS Definition, h.ID AS ID
FROM Headwords AS h CROSS JOIN Definitions AS d ON d.ID = h.ID
ORDER BY h.SortKey, h.ID, d.rowid;

-- Test modes. Each returns the entries to drill with their statistics.
CREATE VIEW "All" AS
SELECT ID, Headword, LastTestedOn, Tested, Correct, LastOK
FROM Headwords ORDER BY SortKey, ID;

CREATE VIEW "Never Tested" AS
SELECT ID, Headword, LastTestedOn, Tested, Correct, LastOK
FROM Headwords WHERE LastOK = -1 ORDER BY SortKey, ID;

CREATE VIEW "Last Answer Wrong" AS
SELECT ID, Headword, LastTestedOn, Tested, Correct, LastOK
FROM Headwords WHERE LastOK = 0 ORDER BY SortKey, ID;

CREATE VIEW "Not Tested for a Week" AS
SELECT ID, Headword, LastTestedOn, Tested, Correct, LastOK
FROM Headwords WHERE LastTestedOn <= date('now', 'localtime', '-7 days')
ORDER BY LastTestedOn, SortKey, ID;

-- Lowest share of right answers first; among equals, the entries answered least often.
CREATE VIEW "Worst Answered" AS
SELECT ID, Headword, LastTestedOn, Tested, Correct, LastOK
FROM Headwords WHERE Tested > 0
ORDER BY CAST(Correct AS REAL) / Tested, Tested, SortKey, ID;

CREATE VIEW "Random Order" AS
SELECT ID, Headword, LastTestedOn, Tested, Correct, LastOK
FROM Headwords ORDER BY random();

-- A growing-interval review: an entry is due when it was never tested, when its last answer
-- was wrong, or when 2^n days have passed since its last test, n being its number of right
-- answers (at most 8, so at most 256 days).
CREATE VIEW "Due for Review" AS
SELECT ID, Headword, LastTestedOn, Tested, Correct, LastOK
FROM Headwords
WHERE LastOK <> 1
   OR julianday(LastTestedOn) + (1 << min(max(Correct, 0), 8))
      <= julianday(date('now', 'localtime'))
ORDER BY LastTestedOn, SortKey, ID;

-- The entries due for review by their memory state, the one least likely to be recalled first,
-- then the entries that have no memory state yet.
CREATE VIEW "Due Today" AS
SELECT ID, Headword, LastTestedOn, Tested, Correct, LastOK
FROM Headwords
WHERE DueOn IS NULL OR DueOn <= date('now', 'localtime')
ORDER BY DueOn IS NULL,
         (julianday(date('now', 'localtime')) - julianday(LastTestedOn)) / Stability DESC,
         SortKey, ID;
