<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>lexmint::AboutDialog</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>For the latest information on the product see the product&apos;s web page:</source>
        <translation>Aktuelle Informationen zum Programm finden Sie auf seiner Webseite:</translation>
    </message>
    <message>
        <source>Copyright © 2026 %1. Lex Mint is free software: you may copy, change and share it under the GNU General Public License, version 3 or later. It comes with no warranty.</source>
        <translation>Copyright © 2026 %1. Lex Mint ist freie Software: Sie dürfen sie unter der GNU General Public License, Version 3 oder später, kopieren, ändern und weitergeben. Sie wird ohne jede Gewährleistung geliefert.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cannot launch your default Internet browser. Make sure that you have a browser installed and set up correctly.</source>
        <translation>Ihr Standard-Webbrowser kann nicht gestartet werden. Vergewissern Sie sich, dass ein Browser installiert und richtig eingerichtet ist.</translation>
    </message>
    <message>
        <source>Cannot Run Program</source>
        <translation>Programm kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Make building your vocabulary fun!</source>
        <translation>Wortschatz aufbauen macht Spaß!</translation>
    </message>
</context>
<context>
    <name>lexmint::AnswerLog</name>
    <message>
        <source>The entry is no longer in the vocabulary.</source>
        <translation>Der Eintrag ist nicht mehr im Vokabular.</translation>
    </message>
</context>
<context>
    <name>lexmint::CommandLine</name>
    <message>
        <source>Usage: lexmint [/add | /test] [filename]</source>
        <translation>Aufruf: lexmint [/add | /test] [Dateiname]</translation>
    </message>
</context>
<context>
    <name>lexmint::DataSource</name>
    <message>
        <source>The vocabulary has no table or query named &quot;%1&quot;.</source>
        <translation>Das Vokabular hat keine Tabelle und keine Abfrage namens „%1“.</translation>
    </message>
    <message>
        <source>There is no new or changed row to write.</source>
        <translation>Es gibt keine neue oder geänderte Zeile zum Schreiben.</translation>
    </message>
    <message>
        <source>There is no current row.</source>
        <translation>Es gibt keine aktuelle Zeile.</translation>
    </message>
</context>
<context>
    <name>lexmint::Database</name>
    <message>
        <source>The database engine could not be configured safely.</source>
        <translation>Die Datenbank-Engine konnte nicht sicher eingerichtet werden.</translation>
    </message>
    <message>
        <source>The table %1 has no column %2.</source>
        <translation>Die Tabelle %1 hat keine Spalte %2.</translation>
    </message>
    <message>
        <source>Property &quot;%1&quot; does not exist.</source>
        <translation>Die Eigenschaft „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>Property &quot;%1&quot; does not hold a long integer.</source>
        <translation>Die Eigenschaft „%1“ enthält keine lange Ganzzahl.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Es ist keine Datei geöffnet.</translation>
    </message>
    <message>
        <source>There is not enough memory for a copy of the file.</source>
        <translation>Für eine Kopie der Datei reicht der Speicher nicht.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists.</source>
        <translation>Die Datei „%1“ existiert bereits.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The disk is full: there is no room for &quot;%1&quot;.</source>
        <translation>Der Datenträger ist voll: Für „%1“ ist kein Platz.</translation>
    </message>
</context>
<context>
    <name>lexmint::DelimitedReader</name>
    <message>
        <source>A quoted field begins here and is never closed; nothing from here on was read.</source>
        <translation>Hier beginnt ein Feld in Anführungszeichen, das nie geschlossen wird; ab hier wurde nichts gelesen.</translation>
    </message>
</context>
<context>
    <name>lexmint::DelimitedText</name>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>pipe</source>
        <translation>senkrechter Strich</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>Doppelpunkt</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryForm</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Add New Entry</source>
        <translation>Neuen Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Enter the foreign word/phrase here</source>
        <translation>Geben Sie hier das fremdsprachige Wort oder die Wendung ein</translation>
    </message>
    <message>
        <source>Enter the definition of the above word/phrase here</source>
        <translation>Geben Sie hier die Definition des obigen Worts oder der Wendung ein</translation>
    </message>
    <message>
        <source>Active keyboard in the current context</source>
        <translation>Aktive Tastaturbelegung in diesem Feld</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 - Edit Entry</source>
        <translation>%1 - Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Please enter a headword and a definition</source>
        <translation>Bitte geben Sie ein Stichwort und eine Definition ein</translation>
    </message>
    <message>
        <source>An entry can have at most %1 definition lines.</source>
        <translation>Ein Eintrag kann höchstens %1 Definitionszeilen haben.</translation>
    </message>
    <message>
        <source>Truncate the definition to &quot;%1&quot; ?</source>
        <translation>Definition auf „%1“ kürzen?</translation>
    </message>
    <message>
        <source>Definition Too Long</source>
        <translation>Definition zu lang</translation>
    </message>
    <message>
        <source>Please enter a headword!</source>
        <translation>Bitte geben Sie ein Stichwort ein!</translation>
    </message>
    <message>
        <source>Please enter a definition!</source>
        <translation>Bitte geben Sie eine Definition ein!</translation>
    </message>
    <message>
        <source>Create new entry?</source>
        <translation>Neuen Eintrag anlegen?</translation>
    </message>
    <message>
        <source>Headword &quot;%1&quot; already in the vocabulary</source>
        <translation>Stichwort „%1“ ist schon im Vokabular</translation>
    </message>
    <message>
        <source>The entry was not saved.</source>
        <translation>Der Eintrag wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The changes were not saved.</source>
        <translation>Die Änderungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The entry was not deleted.</source>
        <translation>Der Eintrag wurde nicht gelöscht.</translation>
    </message>
    <message>
        <source>Discard changes?</source>
        <translation>Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Cancel Edit Confirmation</source>
        <translation>Bearbeiten abbrechen</translation>
    </message>
    <message>
        <source>Cancel Add Confirmation</source>
        <translation>Hinzufügen abbrechen</translation>
    </message>
    <message>
        <source>No vocabulary is open, so nothing was changed.</source>
        <translation>Es ist kein Vokabular geöffnet; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Bad Entry</source>
        <translation>Ungültiger Eintrag</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Definitions, one per line</source>
        <translation>Definitionen, eine pro Zeile</translation>
    </message>
    <message>
        <source>Definitions</source>
        <translation>Definitionen</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryForms</name>
    <message>
        <source>The headword is being edited in another window.<byte value="xd"/>
Please make your changes after you&apos;ve finished testing.</source>
        <translation>Das Stichwort wird in einem anderen Fenster bearbeitet.<byte value="xd"/>
Bitte nehmen Sie Ihre Änderungen nach der Abfrage vor.</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryRules</name>
    <message>
        <source>A headword cannot be empty.</source>
        <translation>Ein Stichwort darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A headword can be at most %1 characters long.</source>
        <translation>Ein Stichwort darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>A definition line cannot be empty.</source>
        <translation>Eine Definitionszeile darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A definition line can be at most %1 characters long.</source>
        <translation>Eine Definitionszeile darf höchstens %1 Zeichen lang sein.</translation>
    </message>
</context>
<context>
    <name>lexmint::EntryWriter</name>
    <message>
        <source>An entry has from 1 to %1 definition lines.</source>
        <translation>Ein Eintrag hat 1 bis %1 Definitionszeilen.</translation>
    </message>
    <message>
        <source>The entry to add lines to no longer exists.</source>
        <translation>Der Eintrag, dem Zeilen hinzugefügt werden sollten, existiert nicht mehr.</translation>
    </message>
</context>
<context>
    <name>lexmint::ExportDialog</name>
    <message>
        <source>Export Words</source>
        <translation>Wörter exportieren</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Alle Einträge</translation>
    </message>
    <message>
        <source>Start with a &amp;byte order mark (for spreadsheet programs)</source>
        <translation>Mit &amp;Byte-Order-Mark beginnen (für Tabellenkalkulationen)</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>E&amp;ntries:</source>
        <translation>&amp;Einträge:</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>T&amp;rennzeichen:</translation>
    </message>
</context>
<context>
    <name>lexmint::FileFormat</name>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>„%1“ ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file but, for example, a named pipe or a device, which cannot hold a vocabulary.</source>
        <translation>„%1“ ist keine gewöhnliche Datei, sondern etwa eine benannte Pipe oder ein Gerät, das kein Vokabular enthalten kann.</translation>
    </message>
</context>
<context>
    <name>lexmint::FileKind</name>
    <message>
        <source>CSV file</source>
        <translation>CSV-Datei</translation>
    </message>
    <message>
        <source>Tab-separated text</source>
        <translation>Text mit Tabulatoren</translation>
    </message>
    <message>
        <source>Flash-card text</source>
        <translation>Karteikarten-Text</translation>
    </message>
    <message>
        <source>KVTML file</source>
        <translation>KVTML-Datei</translation>
    </message>
</context>
<context>
    <name>lexmint::FileSoundness</name>
    <message>
        <source>The vocabulary file is damaged, so Lex Mint keeps it read-only and writes nothing into it.</source>
        <translation>Die Vokabulardatei ist beschädigt; Lex Mint öffnet sie daher schreibgeschützt und schreibt nichts hinein.</translation>
    </message>
    <message>
        <source>The vocabulary file contains triggers that Lex Mint did not create (%1), so Lex Mint keeps it read-only and writes nothing into it.</source>
        <translation>Die Vokabulardatei enthält Trigger, die Lex Mint nicht angelegt hat (%1); Lex Mint öffnet sie daher schreibgeschützt und schreibt nichts hinein.</translation>
    </message>
    <message>
        <source>The vocabulary file could not be prepared for use, so Lex Mint keeps it read-only: %1</source>
        <translation>Die Vokabulardatei konnte nicht zur Benutzung vorbereitet werden; Lex Mint öffnet sie daher schreibgeschützt: %1</translation>
    </message>
</context>
<context>
    <name>lexmint::FirstRunDialog</name>
    <message>
        <source>Welcome to Lex Mint!</source>
        <translation>Willkommen bei Lex Mint!</translation>
    </message>
    <message>
        <source>Now that you&apos;ve launched Lex Mint for the first time, please choose a vocabulary that you want to start with:</source>
        <translation>Sie haben Lex Mint zum ersten Mal gestartet. Bitte wählen Sie ein Vokabular, mit dem Sie beginnen möchten:</translation>
    </message>
    <message>
        <source>Start With</source>
        <translation>Beginnen mit</translation>
    </message>
    <message>
        <source>&amp;New Vocabulary</source>
        <translation>&amp;Neues Vokabular</translation>
    </message>
    <message>
        <source>&amp;Sample Vocabulary:</source>
        <translation>&amp;Beispielvokabular:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>lexmint::FlashCardReader</name>
    <message>
        <source>The header line &quot;#%1:&quot; was ignored.</source>
        <translation>Die Kopfzeile „#%1:“ wurde übergangen.</translation>
    </message>
</context>
<context>
    <name>lexmint::HelpWindow</name>
    <message>
        <source>the current folder</source>
        <translation>dem aktuellen Ordner</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help is not installed&lt;/h2&gt;&lt;p&gt;The help files &lt;code&gt;lexmint.qch&lt;/code&gt; and &lt;code&gt;lexmint.qhc&lt;/code&gt; were not found in %1. Installing Lex Mint again brings them back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Die Hilfe ist nicht installiert&lt;/h2&gt;&lt;p&gt;Die Hilfedateien &lt;code&gt;lexmint.qch&lt;/code&gt; und &lt;code&gt;lexmint.qhc&lt;/code&gt; wurden in %1 nicht gefunden. Wenn Sie Lex Mint neu installieren, sind sie wieder da.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Lex Mint Help</source>
        <translation>Lex Mint-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>Suchen &amp;nach:</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Gesuchte Wörter</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>&amp;Finden</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>Star&amp;tseite</translation>
    </message>
    <message>
        <source>Preparing the search...</source>
        <translation>Suche wird vorbereitet...</translation>
    </message>
    <message>
        <source>No topic contains these words.</source>
        <translation>Kein Thema enthält diese Wörter.</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportDialog</name>
    <message>
        <source>Import Words - %1</source>
        <translation>Wörter importieren - %1</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Definition lines</source>
        <translation>Definitionszeilen</translation>
    </message>
    <message>
        <source>Refused because</source>
        <translation>Abgelehnt, weil</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>CSV text</source>
        <translation>CSV-Text</translation>
    </message>
    <message>
        <source>Tab-separated text</source>
        <translation>Text mit Tabulatoren</translation>
    </message>
    <message>
        <source>Flash-card text</source>
        <translation>Karteikarten-Text</translation>
    </message>
    <message>
        <source>KVTML</source>
        <translation>KVTML-Datei</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>The first row holds column &amp;titles</source>
        <translation>Die erste Zeile enthält Spalten&amp;titel</translation>
    </message>
    <message>
        <source>The fields are &amp;HTML</source>
        <translation>Die Felder sind &amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>T&amp;rennzeichen:</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Line breaks only</source>
        <translation>Nur an Zeilenumbrüchen</translation>
    </message>
    <message>
        <source>Line breaks and &quot;; &quot;</source>
        <translation>Zeilenumbrüche und „; “</translation>
    </message>
    <message>
        <source>Line breaks and &quot;, &quot;</source>
        <translation>Zeilenumbrüche und „, “</translation>
    </message>
    <message>
        <source>Line breaks and &quot;/&quot;</source>
        <translation>Zeilenumbrüche und „/“</translation>
    </message>
    <message>
        <source>Head&amp;word:</source>
        <translation>&amp;Stichwort:</translation>
    </message>
    <message>
        <source>&amp;Definition lines:</source>
        <translation>&amp;Definitionszeilen:</translation>
    </message>
    <message>
        <source>S&amp;plit definitions at:</source>
        <translation>Definitionen trennen &amp;bei:</translation>
    </message>
    <message>
        <source>A headword already in the vocabulary</source>
        <translation>Ein Stichwort, das schon im Vokabular ist</translation>
    </message>
    <message>
        <source>&amp;Merge: add its new definition lines</source>
        <translation>&amp;Zusammenführen: neue Definitionszeilen hinzufügen</translation>
    </message>
    <message>
        <source>S&amp;kip the row</source>
        <translation>Zeile aus&amp;lassen</translation>
    </message>
    <message>
        <source>&amp;Add another entry</source>
        <translation>&amp;Weiteren Eintrag anlegen</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatisch (%1)</translation>
    </message>
    <message>
        <source>Rows: %1 to import, %2 refused.</source>
        <translation>Zeilen: %1 zu importieren, %2 abgelehnt.</translation>
    </message>
    <message>
        <source>The fields hold HTML markup; tick &quot;The fields are HTML&quot; to read it as HTML.</source>
        <translation>Die Felder enthalten HTML-Auszeichnungen; kreuzen Sie „Die Felder sind HTML“ an, um sie als HTML zu lesen.</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportPlan</name>
    <message>
        <source>The file has %1 columns; the chosen columns are not among them.</source>
        <translation>Die Datei hat %1 Spalten; die gewählten Spalten sind nicht darunter.</translation>
    </message>
    <message>
        <source>A vocabulary is not a word list to import.</source>
        <translation>Ein Vokabular ist keine Wortliste zum Importieren.</translation>
    </message>
    <message>
        <source>The file holds no rows to import.</source>
        <translation>Die Datei enthält keine Zeilen zum Importieren.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportReport</name>
    <message>
        <source>%1 added, %2 merged</source>
        <translation>%1 hinzugefügt, %2 zusammengeführt</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 ausgelassen</translation>
    </message>
    <message>
        <source>, %1 refused</source>
        <translation>, %1 abgelehnt</translation>
    </message>
    <message>
        <source>Import of %1
%2.
</source>
        <translation>Import von %1
%2.
</translation>
    </message>
    <message>
        <source>
Refused rows:
</source>
        <translation>
Abgelehnte Zeilen:
</translation>
    </message>
    <message>
        <source>Line %1: %2
</source>
        <translation>Zeile %1: %2
</translation>
    </message>
    <message>
        <source>
Notes:
</source>
        <translation>
Hinweise:
</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportReportDialog</name>
    <message>
        <source>Import Report</source>
        <translation>Importbericht</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save Import Report</source>
        <translation>Importbericht speichern</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>lexmint::ImportedEntry</name>
    <message>
        <source>The headword is empty.</source>
        <translation>Das Stichwort ist leer.</translation>
    </message>
    <message>
        <source>The headword runs over more than one line.</source>
        <translation>Das Stichwort erstreckt sich über mehr als eine Zeile.</translation>
    </message>
    <message>
        <source>There is no definition.</source>
        <translation>Es gibt keine Definition.</translation>
    </message>
    <message>
        <source>There are %1 definition lines; an entry holds at most %2.</source>
        <translation>Es gibt %1 Definitionszeilen; ein Eintrag fasst höchstens %2.</translation>
    </message>
</context>
<context>
    <name>lexmint::InterchangeCommands</name>
    <message>
        <source>Import Words</source>
        <translation>Wörter importieren</translation>
    </message>
    <message>
        <source>Export Words</source>
        <translation>Wörter exportieren</translation>
    </message>
    <message>
        <source>Word lists (%1)</source>
        <translation>Wortlisten (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The vocabulary file is read-only, so no words can be imported into it.</source>
        <translation>Die Vokabulardatei ist schreibgeschützt; es können keine Wörter in sie importiert werden.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Importing words...</source>
        <translation>Wörter werden importiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import cancelled; the vocabulary was not changed.</source>
        <translation>Import abgebrochen; das Vokabular wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The words could not be imported: %1<byte value="xd"/>The vocabulary was not changed.</source>
        <translation>Die Wörter konnten nicht importiert werden: %1<byte value="xd"/>Das Vokabular wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Imported: %1.</source>
        <translation>Importiert: %1.</translation>
    </message>
    <message>
        <source>Choose one of the file types offered: CSV, tab-separated, flash-card text or KVTML.</source>
        <translation>Wählen Sie einen der angebotenen Dateitypen: CSV, Text mit Tabulatoren, Karteikarten-Text oder KVTML.</translation>
    </message>
    <message>
        <source>The entries could not be read: %1</source>
        <translation>Die Einträge konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries exported to %1.</source>
        <translation>
            <numerusform>%n Eintrag nach %1 exportiert.</numerusform>
            <numerusform>%n Einträge nach %1 exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lexmint::KeyboardCatalogue</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Language Neutral</source>
        <translation>Sprachneutral</translation>
    </message>
    <message>
        <source>Process Default Language</source>
        <translation>Standardsprache des Prozesses</translation>
    </message>
    <message>
        <source>Arabic (Saudi Arabia)</source>
        <translation>Arabisch (Saudi-Arabien)</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Katalanisch</translation>
    </message>
    <message>
        <source>Chinese (Taiwan)</source>
        <translation>Chinesisch (Taiwan)</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation>Deutsch (Standard)</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <translation>Englisch (USA)</translation>
    </message>
    <message>
        <source>Spanish (Traditional Sort)</source>
        <translation>Spanisch (traditionelle Sortierung)</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation>Französisch (Standard)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Icelandic</source>
        <translation>Isländisch</translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation>Italienisch (Standard)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Niederländisch (Niederlande)</translation>
    </message>
    <message>
        <source>Norwegian (Bokmal)</source>
        <translation>Norwegisch (Bokmål)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugiesisch (Brasilien)</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Albanisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Urdu (Pakistan)</source>
        <translation>Urdu (Pakistan)</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Belarussian</source>
        <translation>Belarussisch</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estnisch</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lettisch</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litauisch</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Persisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenisch</translation>
    </message>
    <message>
        <source>Azeri (Latin)</source>
        <translation>Aserbaidschanisch (lateinisch)</translation>
    </message>
    <message>
        <source>Basque</source>
        <translation>Baskisch</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Mazedonisch</translation>
    </message>
    <message>
        <source>Sutu</source>
        <translation>Sesotho</translation>
    </message>
    <message>
        <source>Afrikaans</source>
        <translation>Afrikaans</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgisch</translation>
    </message>
    <message>
        <source>Faeroese</source>
        <translation>Färöisch</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Malay (Malaysian)</source>
        <translation>Malaiisch (Malaysia)</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Kasachisch</translation>
    </message>
    <message>
        <source>Swahili (Kenya)</source>
        <translation>Suaheli (Kenia)</translation>
    </message>
    <message>
        <source>Uzbek (Latin)</source>
        <translation>Usbekisch (lateinisch)</translation>
    </message>
    <message>
        <source>Tatar (Tatarstan)</source>
        <translation>Tatarisch (Tatarstan)</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalisch</translation>
    </message>
    <message>
        <source>Punjabi</source>
        <translation>Panjabi</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Gujarati</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Oriya</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamilisch</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kannada</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malayalam</translation>
    </message>
    <message>
        <source>Assamese</source>
        <translation>Assamesisch</translation>
    </message>
    <message>
        <source>Marathi</source>
        <translation>Marathi</translation>
    </message>
    <message>
        <source>Sanskrit</source>
        <translation>Sanskrit</translation>
    </message>
    <message>
        <source>Burmese</source>
        <translation>Birmanisch</translation>
    </message>
    <message>
        <source>Konkani</source>
        <translation>Konkani</translation>
    </message>
    <message>
        <source>Manipuri</source>
        <translation>Manipuri</translation>
    </message>
    <message>
        <source>Sindhi</source>
        <translation>Sindhi</translation>
    </message>
    <message>
        <source>Arabic (Iraq)</source>
        <translation>Arabisch (Irak)</translation>
    </message>
    <message>
        <source>Chinese (PRC)</source>
        <translation>Chinesisch (VR China)</translation>
    </message>
    <message>
        <source>German (Switzerland)</source>
        <translation>Deutsch (Schweiz)</translation>
    </message>
    <message>
        <source>English (United Kingdom)</source>
        <translation>Englisch (Vereinigtes Königreich)</translation>
    </message>
    <message>
        <source>Spanish (Mexican)</source>
        <translation>Spanisch (Mexiko)</translation>
    </message>
    <message>
        <source>French (Belgian)</source>
        <translation>Französisch (Belgien)</translation>
    </message>
    <message>
        <source>Italian (Switzerland)</source>
        <translation>Italienisch (Schweiz)</translation>
    </message>
    <message>
        <source>Korean (Johab)</source>
        <translation>Koreanisch (Johab)</translation>
    </message>
    <message>
        <source>Dutch (Belgium)</source>
        <translation>Niederländisch (Belgien)</translation>
    </message>
    <message>
        <source>Norwegian (Nynorsk)</source>
        <translation>Norwegisch (Nynorsk)</translation>
    </message>
    <message>
        <source>Portuguese (Standard)</source>
        <translation>Portugiesisch (Standard)</translation>
    </message>
    <message>
        <source>Serbian (Latin)</source>
        <translation>Serbisch (lateinisch)</translation>
    </message>
    <message>
        <source>Swedish (Finland)</source>
        <translation>Schwedisch (Finnland)</translation>
    </message>
    <message>
        <source>Urdu (India)</source>
        <translation>Urdu (Indien)</translation>
    </message>
    <message>
        <source>Lithuanian (Classic)</source>
        <translation>Litauisch (klassisch)</translation>
    </message>
    <message>
        <source>Azeri (Cyrillic)</source>
        <translation>Aserbaidschanisch (kyrillisch)</translation>
    </message>
    <message>
        <source>Malay (Brunei Darussalam)</source>
        <translation>Malaiisch (Brunei Darussalam)</translation>
    </message>
    <message>
        <source>Uzbek (Cyrillic)</source>
        <translation>Usbekisch (kyrillisch)</translation>
    </message>
    <message>
        <source>Kashmiri (India)</source>
        <translation>Kaschmiri (Indien)</translation>
    </message>
    <message>
        <source>Nepali (India)</source>
        <translation>Nepalesisch (Indien)</translation>
    </message>
    <message>
        <source>Arabic (Egypt)</source>
        <translation>Arabisch (Ägypten)</translation>
    </message>
    <message>
        <source>Chinese (Hong Kong SAR, PRC)</source>
        <translation>Chinesisch (Hongkong, VR China)</translation>
    </message>
    <message>
        <source>German (Austria)</source>
        <translation>Deutsch (Österreich)</translation>
    </message>
    <message>
        <source>English (Australian)</source>
        <translation>Englisch (Australien)</translation>
    </message>
    <message>
        <source>Spanish (Modern Sort)</source>
        <translation>Spanisch (moderne Sortierung)</translation>
    </message>
    <message>
        <source>French (Canadian)</source>
        <translation>Französisch (Kanada)</translation>
    </message>
    <message>
        <source>Serbian (Cyrillic)</source>
        <translation>Serbisch (kyrillisch)</translation>
    </message>
    <message>
        <source>Arabic (Libya)</source>
        <translation>Arabisch (Libyen)</translation>
    </message>
    <message>
        <source>Chinese (Singapore)</source>
        <translation>Chinesisch (Singapur)</translation>
    </message>
    <message>
        <source>German (Luxembourg)</source>
        <translation>Deutsch (Luxemburg)</translation>
    </message>
    <message>
        <source>English (Canadian)</source>
        <translation>Englisch (Kanada)</translation>
    </message>
    <message>
        <source>Spanish (Guatemala)</source>
        <translation>Spanisch (Guatemala)</translation>
    </message>
    <message>
        <source>French (Switzerland)</source>
        <translation>Französisch (Schweiz)</translation>
    </message>
    <message>
        <source>Arabic (Algeria)</source>
        <translation>Arabisch (Algerien)</translation>
    </message>
    <message>
        <source>Chinese (Macau)</source>
        <translation>Chinesisch (Macau)</translation>
    </message>
    <message>
        <source>German (Liechtenstein)</source>
        <translation>Deutsch (Liechtenstein)</translation>
    </message>
    <message>
        <source>English (New Zealand)</source>
        <translation>Englisch (Neuseeland)</translation>
    </message>
    <message>
        <source>Spanish (Costa Rica)</source>
        <translation>Spanisch (Costa Rica)</translation>
    </message>
    <message>
        <source>French (Luxembourg)</source>
        <translation>Französisch (Luxemburg)</translation>
    </message>
    <message>
        <source>Arabic (Morocco)</source>
        <translation>Arabisch (Marokko)</translation>
    </message>
    <message>
        <source>English (Ireland)</source>
        <translation>Englisch (Irland)</translation>
    </message>
    <message>
        <source>Spanish (Panama)</source>
        <translation>Spanisch (Panama)</translation>
    </message>
    <message>
        <source>French (Monaco)</source>
        <translation>Französisch (Monaco)</translation>
    </message>
    <message>
        <source>Arabic (Tunisia)</source>
        <translation>Arabisch (Tunesien)</translation>
    </message>
    <message>
        <source>English (South Africa)</source>
        <translation>Englisch (Südafrika)</translation>
    </message>
    <message>
        <source>Spanish (Dominican Republic)</source>
        <translation>Spanisch (Dominikanische Republik)</translation>
    </message>
    <message>
        <source>Arabic (Oman)</source>
        <translation>Arabisch (Oman)</translation>
    </message>
    <message>
        <source>English (Jamaica)</source>
        <translation>Englisch (Jamaika)</translation>
    </message>
    <message>
        <source>Spanish (Venezuela)</source>
        <translation>Spanisch (Venezuela)</translation>
    </message>
    <message>
        <source>Arabic (Yemen)</source>
        <translation>Arabisch (Jemen)</translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation>Englisch (Karibik)</translation>
    </message>
    <message>
        <source>Spanish (Colombia)</source>
        <translation>Spanisch (Kolumbien)</translation>
    </message>
    <message>
        <source>Arabic (Syria)</source>
        <translation>Arabisch (Syrien)</translation>
    </message>
    <message>
        <source>English (Belize)</source>
        <translation>Englisch (Belize)</translation>
    </message>
    <message>
        <source>Spanish (Peru)</source>
        <translation>Spanisch (Peru)</translation>
    </message>
    <message>
        <source>Arabic (Jordan)</source>
        <translation>Arabisch (Jordanien)</translation>
    </message>
    <message>
        <source>English (Trinidad)</source>
        <translation>Englisch (Trinidad)</translation>
    </message>
    <message>
        <source>Spanish (Argentina)</source>
        <translation>Spanisch (Argentinien)</translation>
    </message>
    <message>
        <source>Arabic (Lebanon)</source>
        <translation>Arabisch (Libanon)</translation>
    </message>
    <message>
        <source>English (Zimbabwe)</source>
        <translation>Englisch (Simbabwe)</translation>
    </message>
    <message>
        <source>Spanish (Ecuador)</source>
        <translation>Spanisch (Ecuador)</translation>
    </message>
    <message>
        <source>Arabic (Kuwait)</source>
        <translation>Arabisch (Kuwait)</translation>
    </message>
    <message>
        <source>English (Philippines)</source>
        <translation>Englisch (Philippinen)</translation>
    </message>
    <message>
        <source>Spanish (Chile)</source>
        <translation>Spanisch (Chile)</translation>
    </message>
    <message>
        <source>Arabic (UAE)</source>
        <translation>Arabisch (VAE)</translation>
    </message>
    <message>
        <source>Spanish (Uruguay)</source>
        <translation>Spanisch (Uruguay)</translation>
    </message>
    <message>
        <source>Arabic (Bahrain)</source>
        <translation>Arabisch (Bahrain)</translation>
    </message>
    <message>
        <source>Spanish (Paraguay)</source>
        <translation>Spanisch (Paraguay)</translation>
    </message>
    <message>
        <source>Arabic (Qatar)</source>
        <translation>Arabisch (Katar)</translation>
    </message>
    <message>
        <source>Spanish (Bolivia)</source>
        <translation>Spanisch (Bolivien)</translation>
    </message>
    <message>
        <source>Spanish (El Salvador)</source>
        <translation>Spanisch (El Salvador)</translation>
    </message>
    <message>
        <source>Spanish (Honduras)</source>
        <translation>Spanisch (Honduras)</translation>
    </message>
    <message>
        <source>Spanish (Nicaragua)</source>
        <translation>Spanisch (Nicaragua)</translation>
    </message>
    <message>
        <source>Spanish (Puerto Rico)</source>
        <translation>Spanisch (Puerto Rico)</translation>
    </message>
    <message>
        <source>Current Desktop Keyboard</source>
        <translation>Aktuelle Tastatur des Desktops</translation>
    </message>
</context>
<context>
    <name>lexmint::KeyboardSelectDialog</name>
    <message>
        <source>Select Keyboard</source>
        <translation>Tastaturbelegung wählen</translation>
    </message>
    <message>
        <source>Please select keyboards that you want to use in the following contexts:</source>
        <translation>Bitte wählen Sie die Tastaturbelegungen, die Sie in diesen Feldern verwenden möchten:</translation>
    </message>
    <message>
        <source>Keyboard choice</source>
        <translation>Tastaturwahl</translation>
    </message>
    <message>
        <source>Headwords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>Definitions</source>
        <translation>Definitionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>lexmint::KeyboardSwitcher</name>
    <message>
        <source>Keyboard Not Installed</source>
        <translation>Tastaturbelegung nicht installiert</translation>
    </message>
    <message>
        <source>The keyboard locale &quot;%1&quot; is not installed or is using a different layout.<byte value="xd"/>
Please adjust your desktop keyboard setting or change the keyboard selection for this vocabulary.</source>
        <translation>Die Tastaturbelegung „%1“ ist nicht installiert oder verwendet ein anderes Layout.<byte value="xd"/>
Bitte passen Sie die Tastatureinstellungen Ihres Desktops an oder ändern Sie die Tastaturwahl für dieses Vokabular.</translation>
    </message>
    <message>
        <source>Keyboard Layouts</source>
        <translation>Tastaturbelegungen</translation>
    </message>
    <message>
        <source>This desktop does not let programs switch the keyboard layout, so Lex Mint cannot switch to the layouts this vocabulary asks for.<byte value="xd"/>
The status bar still names the layout each field wants. Switch to it by hand with your desktop&apos;s keyboard layout indicator or its shortcut (often Super+Space).</source>
        <translation>Dieser Desktop lässt Programme die Tastaturbelegung nicht umschalten; Lex Mint kann daher nicht auf die Belegungen umschalten, die dieses Vokabular vorsieht.<byte value="xd"/>
Die Statusleiste nennt weiterhin die Belegung, die jedes Feld erwartet. Schalten Sie von Hand um, mit der Tastaturanzeige Ihres Desktops oder deren Tastenkürzel (oft Super+Leertaste).</translation>
    </message>
</context>
<context>
    <name>lexmint::KeysetRows</name>
    <message>
        <source>The test mode &quot;%1&quot; does not list the entries&apos; IDs.</source>
        <translation>Der Abfragemodus „%1“ liefert nicht die IDs der Einträge.</translation>
    </message>
    <message>
        <source>The test mode &quot;%1&quot; was left out.</source>
        <translation>Der Abfragemodus „%1“ wurde ausgelassen.</translation>
    </message>
    <message>
        <source>The test mode &quot;%1&quot; returns too many rows.</source>
        <translation>Der Abfragemodus „%1“ liefert zu viele Zeilen.</translation>
    </message>
</context>
<context>
    <name>lexmint::KvtmlReader</name>
    <message>
        <source>The file is not well-formed XML at line %1: %2</source>
        <translation>Die Datei ist in Zeile %1 kein wohlgeformtes XML: %2</translation>
    </message>
    <message>
        <source>The file declares XML entities, which a word list never needs; it was not read.</source>
        <translation>Die Datei deklariert XML-Entitäten, die eine Wortliste nie braucht; sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>This is not a KVTML 2.0 file.</source>
        <translation>Dies ist keine KVTML-2.0-Datei.</translation>
    </message>
    <message>
        <source>The file refers to the XML entity &quot;%1&quot;, which it does not declare; it was not read.</source>
        <translation>Die Datei verweist auf die XML-Entität „%1“, die sie nicht deklariert; sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>An identifier without a numeric id was ignored.</source>
        <translation>Ein Bezeichner ohne numerische ID wurde übergangen.</translation>
    </message>
    <message>
        <source>Identifier %1</source>
        <translation>Bezeichner %1</translation>
    </message>
    <message>
        <source>Translations without a numeric id were ignored.</source>
        <translation>Übersetzungen ohne numerische ID wurden übergangen.</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>The entry has no translation of the file&apos;s identifiers.</source>
        <translation>Der Eintrag hat keine Übersetzung zu den Bezeichnern der Datei.</translation>
    </message>
</context>
<context>
    <name>lexmint::LinePositions</name>
    <message>
        <source>The vocabulary is not open.</source>
        <translation>Das Vokabular ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The vocabulary has more definition lines than can be shown.</source>
        <translation>Das Vokabular hat mehr Definitionszeilen, als angezeigt werden können.</translation>
    </message>
</context>
<context>
    <name>lexmint::MainWindow</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Lex Mint</source>
        <translation>Ü&amp;ber Lex Mint</translation>
    </message>
    <message>
        <source>&amp;Vocabulary</source>
        <translation>&amp;Vokabular</translation>
    </message>
    <message>
        <source>&amp;Entry</source>
        <translation>&amp;Eintrag</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>Ab&amp;frage</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Active Keyboard</source>
        <translation>Aktive Tastatur</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source> (hidden while testing) </source>
        <translation> (während der Abfrage verborgen) </translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Computing the review schedule from the recorded answers...</source>
        <translation>Der Wiederholungsplan wird aus den gespeicherten Antworten berechnet...</translation>
    </message>
</context>
<context>
    <name>lexmint::MistakeDialog</name>
    <message>
        <source>Mistaken Answer</source>
        <translation>Falsche Antwort</translation>
    </message>
    <message>
        <source>The correct answer is:</source>
        <translation>Die richtige Antwort lautet:</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Ihre Antwort:</translation>
    </message>
    <message>
        <source>Characters typed wrongly are marked red, extra ones are also struck through, and characters left out are shown underlined in green.</source>
        <translation>Falsch getippte Zeichen sind rot markiert, überzählige zusätzlich durchgestrichen, und ausgelassene Zeichen erscheinen grün unterstrichen.</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <source>&amp;Count as Correct</source>
        <translation>Als &amp;richtig werten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
</context>
<context>
    <name>lexmint::NativeStatement</name>
    <message>
        <source>The vocabulary is not open.</source>
        <translation>Das Vokabular ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>lexmint::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Customize Startup Options</source>
        <translation>Starteinstellungen anpassen</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Vokabular</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keines</translation>
    </message>
    <message>
        <source>&amp;Last Open</source>
        <translation>&amp;Zuletzt geöffnetes</translation>
    </message>
    <message>
        <source>This &amp;Vocabulary:</source>
        <translation>&amp;Dieses Vokabular:</translation>
    </message>
    <message>
        <source>&amp;Use Current Vocabulary</source>
        <translation>&amp;Aktuelles Vokabular verwenden</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Du&amp;rchsuchen...</translation>
    </message>
    <message>
        <source>Start With</source>
        <translation>Beginnen mit</translation>
    </message>
    <message>
        <source>&amp;Data Sheet</source>
        <translation>Daten&amp;blatt</translation>
    </message>
    <message>
        <source>&amp;Entry Form</source>
        <translation>&amp;Eingabeformular</translation>
    </message>
    <message>
        <source>&amp;Test Form</source>
        <translation>Abfrage&amp;formular</translation>
    </message>
    <message>
        <source>New Vocabulary</source>
        <translation>Neues Vokabular</translation>
    </message>
    <message>
        <source>Set default properties for newly created vocabularies</source>
        <translation>Standardeigenschaften für neu angelegte Vokabulare festlegen</translation>
    </message>
    <message>
        <source>Entry Form</source>
        <translation>Eingabeformular</translation>
    </message>
    <message>
        <source>Customize Entry Form Behavior</source>
        <translation>Verhalten des Eingabeformulars anpassen</translation>
    </message>
    <message>
        <source>Entry Form Behavior</source>
        <translation>Verhalten des Eingabeformulars</translation>
    </message>
    <message>
        <source>&amp;Cursor keys and Enter move between form fields</source>
        <translation>&amp;Pfeiltasten und Eingabetaste wechseln zwischen den Feldern</translation>
    </message>
    <message>
        <source>&amp;Pressing Enter twice in the definition field submits the entry</source>
        <translation>Zweimal &amp;Eingabetaste im Definitionsfeld übernimmt den Eintrag</translation>
    </message>
    <message>
        <source>Select Startup Database</source>
        <translation>Start-Vokabular wählen</translation>
    </message>
</context>
<context>
    <name>lexmint::PathTitles</name>
    <message>
        <source>Lex Mint File (*.lxm)</source>
        <translation>Lex Mint-Datei (*.lxm)</translation>
    </message>
    <message>
        <source>Lex Mint 2.0 File (*.mdb)</source>
        <translation>Lex Mint 2.0-Datei (*.mdb)</translation>
    </message>
</context>
<context>
    <name>lexmint::ProgressCharts</name>
    <message>
        <source>Answers per day</source>
        <translation>Antworten pro Tag</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Words by memory strength</source>
        <translation>Wörter nach Festigkeit im Gedächtnis</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>Vor %1 Tagen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>In Lernphase</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Bekannt</translation>
    </message>
    <message>
        <source>Well known</source>
        <translation>Gut bekannt</translation>
    </message>
    <message>
        <source>Reviews due</source>
        <translation>Fällige Wiederholungen</translation>
    </message>
    <message>
        <source>Due (today&apos;s with the overdue)</source>
        <translation>Fällig (heute samt überfälligen)</translation>
    </message>
    <message>
        <source>Answered right per week</source>
        <translation>Richtig beantwortet pro Woche</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>Target %1 %</source>
        <translation>Ziel %1 %</translation>
    </message>
</context>
<context>
    <name>lexmint::ProgressWindow</name>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Save as &amp;Picture...</source>
        <translation>Als &amp;Bild speichern...</translation>
    </message>
    <message>
        <source>No answers are recorded in this vocabulary yet.

Take a test, and how you are getting on will show here: your answers day by day, how firmly you know your words, and the reviews to come.</source>
        <translation>In diesem Vokabular sind noch keine Antworten gespeichert.

Machen Sie eine Abfrage, dann sehen Sie hier, wie Sie vorankommen: Ihre Antworten Tag für Tag, wie sicher Sie Ihre Wörter kennen und die anstehenden Wiederholungen.</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>lexmint::PropertiesDialog</name>
    <message>
        <source>Properties of %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Options for the open vocabulary</source>
        <translation>Optionen für das geöffnete Vokabular</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Statistical information for the open vocabulary</source>
        <translation>Statistische Angaben zum geöffneten Vokabular</translation>
    </message>
    <message>
        <source>Record Counts</source>
        <translation>Anzahl der Datensätze</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Due today:</source>
        <translation>Heute fällig:</translation>
    </message>
    <message>
        <source>Known:</source>
        <translation>Bekannt:</translation>
    </message>
</context>
<context>
    <name>lexmint::QuickFindDialog</name>
    <message>
        <source>Quick Find</source>
        <translation>Schnellsuche</translation>
    </message>
</context>
<context>
    <name>lexmint::ResultDialog</name>
    <message>
        <source>Test Result</source>
        <translation>Abfrageergebnis</translation>
    </message>
    <message>
        <source>Testing Mode</source>
        <translation>Abfragemodus</translation>
    </message>
    <message>
        <source>Correct Answers</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>Incorrect Answers</source>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <source>Total Tested</source>
        <translation>Insgesamt abgefragt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lexmint::RowWriter</name>
    <message>
        <source>%1 has no writable column %2.</source>
        <translation>%1 hat keine beschreibbare Spalte %2.</translation>
    </message>
    <message>
        <source>The row to change no longer exists.</source>
        <translation>Die zu ändernde Zeile existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The row to delete no longer exists.</source>
        <translation>Die zu löschende Zeile existiert nicht mehr.</translation>
    </message>
    <message>
        <source>A headword cannot be empty.</source>
        <translation>Ein Stichwort darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A definition line needs its entry and its text.</source>
        <translation>Eine Definitionszeile braucht ihren Eintrag und ihren Text.</translation>
    </message>
    <message>
        <source>The vocabulary has no entry numbers left: the file already holds the highest number an entry can have (%1), so no entry can be added to it. Create a new vocabulary for further entries.</source>
        <translation>Das Vokabular hat keine Eintragsnummern mehr frei: Die Datei enthält bereits die höchste Nummer, die ein Eintrag haben kann (%1); es kann kein Eintrag mehr hinzugefügt werden. Legen Sie für weitere Einträge ein neues Vokabular an.</translation>
    </message>
</context>
<context>
    <name>lexmint::SampleVocabulary</name>
    <message>
        <source>Spanish-English</source>
        <translation>Spanisch-Englisch</translation>
    </message>
    <message>
        <source>French-English</source>
        <translation>Französisch-Englisch</translation>
    </message>
    <message>
        <source>German-English</source>
        <translation>Deutsch-Englisch</translation>
    </message>
    <message>
        <source>Advanced English</source>
        <translation>Englisch für Fortgeschrittene</translation>
    </message>
</context>
<context>
    <name>lexmint::ScheduleSchema</name>
    <message>
        <source>The vocabulary template could not be read.</source>
        <translation>Die Vorlage für Vokabulare konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>lexmint::SplashWindow</name>
    <message>
        <source>Your own vocabulary, word by word</source>
        <translation>Ihr eigenes Vokabular, Wort für Wort</translation>
    </message>
</context>
<context>
    <name>lexmint::SqlQuery</name>
    <message>
        <source>The vocabulary is in use by another program. Nothing was changed; try again once the other program has finished with it.</source>
        <translation>Das Vokabular wird von einem anderen Programm benutzt. Es wurde nichts geändert; versuchen Sie es erneut, wenn das andere Programm fertig ist.</translation>
    </message>
    <message>
        <source>The vocabulary file is read-only, so the change was not saved.</source>
        <translation>Die Vokabulardatei ist schreibgeschützt; die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The disk is full, so the change was not saved.</source>
        <translation>Der Datenträger ist voll; die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The vocabulary file %1 was replaced by another file after it was opened, so the change was not saved.</source>
        <translation>Die Vokabulardatei %1 wurde nach dem Öffnen durch eine andere Datei ersetzt; die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The vocabulary file %1 is no longer there; it was moved or deleted.</source>
        <translation>Die Vokabulardatei %1 ist nicht mehr da; sie wurde verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>The folder of the vocabulary file is read-only. Saving a change needs a temporary journal file beside the vocabulary, so the change was not saved, although the file itself could be written.</source>
        <translation>Der Ordner der Vokabulardatei ist schreibgeschützt. Zum Speichern einer Änderung wird neben dem Vokabular eine vorübergehende Journaldatei gebraucht; die Änderung wurde daher nicht gespeichert, obwohl die Datei selbst beschreibbar wäre.</translation>
    </message>
    <message>
        <source>The vocabulary file is damaged.</source>
        <translation>Die Vokabulardatei ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>lexmint::StartPage</name>
    <message>
        <source>Build your own vocabulary and drill it.</source>
        <translation>Bauen Sie Ihr eigenes Vokabular auf und üben Sie es.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Loslegen</translation>
    </message>
    <message>
        <source>New Vocabulary...</source>
        <translation>Neues Vokabular...</translation>
    </message>
    <message>
        <source>Open Vocabulary...</source>
        <translation>Vokabular öffnen...</translation>
    </message>
    <message>
        <source>Recent Vocabularies</source>
        <translation>Zuletzt verwendete Vokabulare</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>Opens a copy of your own</source>
        <translation>Öffnet eine eigene Kopie</translation>
    </message>
</context>
<context>
    <name>lexmint::TabbedDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>lexmint::TestModes</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Never Tested</source>
        <translation>Nie abgefragt</translation>
    </message>
    <message>
        <source>Last Answer Wrong</source>
        <translation>Letzte Antwort falsch</translation>
    </message>
    <message>
        <source>Not Tested for a Week</source>
        <translation>Seit einer Woche nicht abgefragt</translation>
    </message>
    <message>
        <source>Worst Answered</source>
        <translation>Am schlechtesten beantwortet</translation>
    </message>
    <message>
        <source>Random Order</source>
        <translation>Zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>Due for Review</source>
        <translation>Zur Wiederholung fällig</translation>
    </message>
    <message>
        <source>Due Today</source>
        <translation>Heute fällig</translation>
    </message>
</context>
<context>
    <name>lexmint::TestRun</name>
    <message>
        <source>The test mode &apos;%1&apos; could not be read.<byte value="xd"/>
%2</source>
        <translation>Der Abfragemodus „%1“ konnte nicht gelesen werden.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>No records in mode &apos;%1&apos;</source>
        <translation>Keine Datensätze im Modus „%1“</translation>
    </message>
    <message>
        <source>The entry is no longer in the vocabulary.</source>
        <translation>Der Eintrag ist nicht mehr im Vokabular.</translation>
    </message>
    <message>
        <source>The next entry could not be read, so the test ends here.<byte value="xd"/>
%1</source>
        <translation>Der nächste Eintrag konnte nicht gelesen werden; die Abfrage endet hier.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This answer could not be saved in the vocabulary.<byte value="xd"/>
%1<byte value="xd"/>
The test goes on, but answers that cannot be saved leave their entries as they were.</source>
        <translation>Diese Antwort konnte nicht im Vokabular gespeichert werden.<byte value="xd"/>
%1<byte value="xd"/>
Die Abfrage geht weiter, aber Einträge, deren Antworten nicht gespeichert werden können, bleiben unverändert.</translation>
    </message>
    <message>
        <source>Answer Not Saved</source>
        <translation>Antwort nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>lexmint::TestWindow</name>
    <message>
        <source>No more entries</source>
        <translation>Keine weiteren Einträge</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Übe&amp;rspringen</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Entry / Mode</source>
        <translation>Eintrag / Modus</translation>
    </message>
    <message>
        <source>✔ Correct</source>
        <translation>✔ Richtig</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>B&amp;earbeiten...</translation>
    </message>
    <message>
        <source>&amp;Details &gt;&gt;</source>
        <translation>&amp;Details &gt;&gt;</translation>
    </message>
    <message>
        <source>Last Test</source>
        <translation>Letzte Abfrage</translation>
    </message>
    <message>
        <source>Last Tested On</source>
        <translation>Zuletzt abgefragt am</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Answered Correctly</source>
        <translation>Richtig beantwortet</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Correct / All Answers</source>
        <translation>Richtige / alle Antworten</translation>
    </message>
    <message>
        <source>Correct Answers Ratio</source>
        <translation>Anteil richtiger Antworten</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Details</source>
        <translation>&lt;&lt; &amp;Details</translation>
    </message>
    <message>
        <source>Created On</source>
        <translation>Angelegt am</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>✔ Correct: %1</source>
        <translation>✔ Richtig: %1</translation>
    </message>
</context>
<context>
    <name>lexmint::TextDecoder</name>
    <message>
        <source>The encoding &quot;%1&quot; is not known.</source>
        <translation>Die Kodierung „%1“ ist unbekannt.</translation>
    </message>
    <message>
        <source>The file is not valid %1 text at line %2. Choose the encoding it was written in.</source>
        <translation>Die Datei ist in Zeile %2 kein gültiger %1-Text. Wählen Sie die Kodierung, in der sie geschrieben wurde.</translation>
    </message>
    <message>
        <source>The file holds NUL characters at line %1, so it is not a text file in %2.</source>
        <translation>Die Datei enthält in Zeile %1 NUL-Zeichen und ist daher keine Textdatei in %2.</translation>
    </message>
</context>
<context>
    <name>lexmint::VocOptions</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Headwords are &amp;case sensitive</source>
        <translation>&amp;Groß-/Kleinschreibung der Stichwörter beachten</translation>
    </message>
    <message>
        <source>&amp;Warn when a headword is not unique</source>
        <translation>&amp;Warnen, wenn ein Stichwort schon vorkommt</translation>
    </message>
    <message>
        <source>Keyboards...</source>
        <translation>Tastaturen...</translation>
    </message>
    <message>
        <source>&amp;Accents may be left out</source>
        <translation>&amp;Akzente dürfen fehlen</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyFile</name>
    <message>
        <source>Read/write of properties in this vocabulary failed. Properties for this vocabulary will not be remembered the next time it is opened.</source>
        <translation>Die Eigenschaften dieses Vokabulars konnten nicht gelesen oder geschrieben werden. Sie werden beim nächsten Öffnen nicht mehr bekannt sein.</translation>
    </message>
    <message>
        <source>Property Error</source>
        <translation>Fehler bei den Eigenschaften</translation>
    </message>
    <message>
        <source>Not a Lex Mint database.</source>
        <translation>Keine Lex Mint-Datenbank.</translation>
    </message>
    <message>
        <source>Inconsistency in the Lex Mint database encountered!<byte value="xd"/>Exit the application and try compacting the database in sqlite3.<byte value="xd"/>If the problem persists, contact Lex Mint technical support.</source>
        <translation>In der Lex Mint-Datenbank ist eine Unstimmigkeit aufgetreten!<byte value="xd"/>Beenden Sie das Programm und versuchen Sie, die Datenbank in sqlite3 zu komprimieren.<byte value="xd"/>Wenn das Problem bestehen bleibt, wenden Sie sich an den technischen Support von Lex Mint.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programmfehler</translation>
    </message>
    <message>
        <source>The vocabulary could not be read.<byte value="xd"/>
%1</source>
        <translation>Das Vokabular konnte nicht gelesen werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The test mode &quot;%1&quot; takes too long to read and was left out</source>
        <translation>Der Abfragemodus „%1“ braucht zum Lesen zu lange und wurde ausgelassen</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyImporter</name>
    <message>
        <source>Merged into the entry &quot;%1&quot;, its definition would have %2 lines; an entry holds at most %3.</source>
        <translation>Mit dem Eintrag „%1“ zusammengeführt hätte seine Definition %2 Zeilen; ein Eintrag fasst höchstens %3.</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyModel</name>
    <message>
        <source>The entry is no longer in the vocabulary.</source>
        <translation>Der Eintrag ist nicht mehr im Vokabular.</translation>
    </message>
    <message>
        <source>Bad Entry</source>
        <translation>Ungültiger Eintrag</translation>
    </message>
    <message>
        <source>Headword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyReader</name>
    <message>
        <source>The vocabulary has no test mode &quot;%1&quot;.</source>
        <translation>Das Vokabular hat keinen Abfragemodus „%1“.</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularyRows</name>
    <message>
        <source>The column %1 cannot be changed here.</source>
        <translation>Die Spalte %1 kann hier nicht geändert werden.</translation>
    </message>
    <message>
        <source>Rows of the data sheet cannot be deleted; delete the entry.</source>
        <translation>Zeilen des Datenblatts können nicht gelöscht werden; löschen Sie den Eintrag.</translation>
    </message>
    <message>
        <source>Rows cannot be added to the data sheet; add an entry.</source>
        <translation>Dem Datenblatt können keine Zeilen hinzugefügt werden; fügen Sie einen Eintrag hinzu.</translation>
    </message>
</context>
<context>
    <name>lexmint::VocabularySession</name>
    <message>
        <source>Open Vocabulary</source>
        <translation>Vokabular öffnen</translation>
    </message>
    <message>
        <source>SQLite Engine Error %1: %2</source>
        <translation>Fehler %1 der SQLite-Engine: %2</translation>
    </message>
    <message>
        <source>Cannot open %1<byte value="xd"/>%2</source>
        <translation>%1 kann nicht geöffnet werden<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>This is an Access database, such as a vocabulary of an older Lex Mint. This version cannot read that format.</source>
        <translation>Dies ist eine Access-Datenbank, etwa ein Vokabular eines älteren Lex Mint. Diese Version kann dieses Format nicht lesen.</translation>
    </message>
    <message>
        <source>Not a Lex Mint database.</source>
        <translation>Keine Lex Mint-Datenbank.</translation>
    </message>
    <message>
        <source>Create New Vocabulary</source>
        <translation>Neues Vokabular anlegen</translation>
    </message>
    <message>
        <source>Cannot create new database.<byte value="xd"/>Error %1: %2</source>
        <translation>Die neue Datenbank kann nicht angelegt werden.<byte value="xd"/>Fehler %1: %2</translation>
    </message>
    <message>
        <source>The vocabulary file %1 is damaged. Lex Mint keeps it read-only, so that no more of it is lost: you can look at its entries and test yourself, but nothing is saved in it.<byte value="xd"/><byte value="xd"/>Save what can still be read as a new vocabulary?</source>
        <translation>Die Vokabulardatei %1 ist beschädigt. Lex Mint öffnet sie schreibgeschützt, damit nicht noch mehr verloren geht: Sie können die Einträge ansehen und sich abfragen lassen, aber es wird nichts darin gespeichert.<byte value="xd"/><byte value="xd"/>Das noch Lesbare als neues Vokabular speichern?</translation>
    </message>
    <message>
        <source>The vocabulary file %1 contains triggers that Lex Mint did not create: %2.<byte value="xd"/>They could change or delete entries whenever Lex Mint writes into the file, so Lex Mint keeps it read-only. Remove them with another tool, such as sqlite3, to change the vocabulary in Lex Mint.</source>
        <translation>Die Vokabulardatei %1 enthält Trigger, die Lex Mint nicht angelegt hat: %2.<byte value="xd"/>Sie könnten Einträge ändern oder löschen, sobald Lex Mint in die Datei schreibt; Lex Mint öffnet sie daher schreibgeschützt. Entfernen Sie sie mit einem anderen Werkzeug, etwa sqlite3, um das Vokabular in Lex Mint zu ändern.</translation>
    </message>
    <message>
        <source>The vocabulary file %1 was opened read-only, because it could not be prepared for use:<byte value="xd"/>%2</source>
        <translation>Die Vokabulardatei %1 wurde schreibgeschützt geöffnet, weil sie nicht zur Benutzung vorbereitet werden konnte:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file&apos;s name is not valid UTF-8 text, and Lex Mint can open only files whose names are. Rename the file, for example in the file manager, and open it again.</source>
        <translation>Der Name der Datei ist kein gültiger UTF-8-Text, und Lex Mint kann nur Dateien mit solchen Namen öffnen. Benennen Sie die Datei um, etwa im Dateimanager, und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>Save As New Vocabulary</source>
        <translation>Als neues Vokabular speichern</translation>
    </message>
    <message>
        <source>The damaged file itself cannot take the entries, since they are read from it. Choose another file.</source>
        <translation>Die beschädigte Datei selbst kann die Einträge nicht aufnehmen, da sie aus ihr gelesen werden. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>The entries could not be saved.<byte value="xd"/>Error %1: %2</source>
        <translation>Die Einträge konnten nicht gespeichert werden.<byte value="xd"/>Fehler %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were saved in %1.</source>
        <translation>
            <numerusform>%n Eintrag wurde in %1 gespeichert.</numerusform>
            <numerusform>%n Einträge wurden in %1 gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a vocabulary to see how you are getting on with it.</source>
        <translation>Öffnen Sie ein Vokabular, um zu sehen, wie Sie damit vorankommen.</translation>
    </message>
    <message>
        <source>The progress in this vocabulary could not be read.
%1</source>
        <translation>Der Fortschritt in diesem Vokabular konnte nicht gelesen werden.
%1</translation>
    </message>
</context>
<context>
    <name>lexmint::WordListWriter</name>
    <message>
        <source>A vocabulary is made by importing into it, not by exporting.</source>
        <translation>Ein Vokabular entsteht durch Importieren, nicht durch Exportieren.</translation>
    </message>
</context>
</TS>
