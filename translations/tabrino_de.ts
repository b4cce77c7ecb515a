<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddSubscriptionView</name>
    <message>
        <source>Netflix, Spotify, iCloud…</source>
        <extracomment>Placeholder of the catalog search: examples of services to search for</extracomment>
        <translation>Netflix, Spotify, iCloud…</translation>
    </message>
    <message>
        <source>Search services</source>
        <translation>Dienste suchen</translation>
    </message>
    <message>
        <source>Services</source>
        <extracomment>Read out for the list of catalog services found</extracomment>
        <translation>Dienste</translation>
    </message>
</context>
<context>
    <name>ArchivedRow</name>
    <message>
        <source>Restore</source>
        <extracomment>Button beside an archived subscription: makes it active again</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Delete permanently — removes it from lifetime stats</source>
        <extracomment>Tooltip and name of the trash button beside an archived subscription</extracomment>
        <translation>Endgültig löschen – entfernt es aus der Gesamtstatistik</translation>
    </message>
</context>
<context>
    <name>ArchivedTag</name>
    <message>
        <source>Archived</source>
        <extracomment>Read out for the tag beside an archived subscription&apos;s name</extracomment>
        <translation>Archiviert</translation>
    </message>
    <message>
        <source>ARCHIVED</source>
        <extracomment>A small tag beside an archived subscription&apos;s name, in capitals where the language has them</extracomment>
        <translation>ARCHIVIERT</translation>
    </message>
</context>
<context>
    <name>AuroraDateField</name>
    <message>
        <source>Choose %1</source>
        <extracomment>Read out for the calendar button beside a date field; %1 is the field&apos;s name (&quot;Next charge&quot;)</extracomment>
        <translation>Datum wählen: %1</translation>
    </message>
</context>
<context>
    <name>BillingCycle</name>
    <message>
        <source>wk</source>
        <extracomment>After a price and a slash: &quot;$5/wk&quot;</extracomment>
        <translation>Wo.</translation>
    </message>
    <message>
        <source>mo</source>
        <extracomment>After a price and a slash: &quot;$5/mo&quot;</extracomment>
        <translation>Mon.</translation>
    </message>
    <message>
        <source>qtr</source>
        <extracomment>After a price and a slash: &quot;$5/qtr&quot;</extracomment>
        <translation>Quartal</translation>
    </message>
    <message>
        <source>yr</source>
        <extracomment>After a price and a slash: &quot;$5/yr&quot;</extracomment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
    <message numerus="yes">
        <source>%nd</source>
        <extracomment>After a price and a slash, a custom cycle of %n days: &quot;$5/10d&quot;</extracomment>
        <translation>
            <numerusform>Tag</numerusform>
            <numerusform>%n T.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n days</source>
        <translation>
            <numerusform>Täglich</numerusform>
            <numerusform>Alle %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 per week</source>
        <extracomment>%1 is the price of one charge (&quot;$9.99&quot;); read out and shown in sentences</extracomment>
        <translation>%1 pro Woche</translation>
    </message>
    <message>
        <source>%1 per month</source>
        <extracomment>%1 is the price of one charge (&quot;$9.99&quot;); read out and shown in sentences</extracomment>
        <translation>%1 pro Monat</translation>
    </message>
    <message>
        <source>%1 per quarter</source>
        <extracomment>%1 is the price of one charge (&quot;$9.99&quot;); read out and shown in sentences</extracomment>
        <translation>%1 pro Quartal</translation>
    </message>
    <message>
        <source>%1 per year</source>
        <extracomment>%1 is the price of one charge (&quot;$9.99&quot;); read out and shown in sentences</extracomment>
        <translation>%1 pro Jahr</translation>
    </message>
    <message numerus="yes">
        <source>%1 every %Ln days</source>
        <extracomment>%1 is the price of one charge (&quot;$9.99&quot;), charged every %Ln days</extracomment>
        <translation>
            <numerusform>%1 pro Tag</numerusform>
            <numerusform>%1 alle %Ln Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>a quoted value is never closed (is the file cut off?)</source>
        <extracomment>Why a line of an imported file is not read, after &quot;line 7: &quot;</extracomment>
        <translation>ein Wert in Anführungszeichen wird nie geschlossen (ist die Datei abgeschnitten?)</translation>
    </message>
    <message>
        <source>The file has no header row naming its columns, such as &quot;Name,Price,Currency&quot;.</source>
        <extracomment>Why a file is not imported; the example names columns as a file&apos;s first row would</extracomment>
        <translation>Die Datei hat keine Kopfzeile mit den Spaltennamen, etwa „Name,Price,Currency“.</translation>
    </message>
    <message>
        <source>The file has more than %L1 rows; import at most %L1 at a time.</source>
        <extracomment>Why a file is not imported; %L1 is the most rows one import takes</extracomment>
        <translation>Die Datei hat mehr als %L1 Zeilen. Importieren Sie höchstens %L1 auf einmal.</translation>
    </message>
    <message numerus="yes">
        <source>%n values where the header names %1</source>
        <extracomment>Why a line of an imported file is not read, after &quot;line 7: &quot;: it has %n values where the header row names %1 columns</extracomment>
        <translation>
            <numerusform>%n Wert, die Kopfzeile hat aber %1</numerusform>
            <numerusform>%n Werte, die Kopfzeile hat aber %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFileLock</name>
    <message>
        <source>Cannot open the lock file %1: %2</source>
        <extracomment>Why Tabrino cannot start; %1 is the path of the file that keeps a second Tabrino from starting, %2 the system&apos;s reason</extracomment>
        <translation>Die Sperrdatei %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <extracomment>Why Tabrino cannot start; %1 is the path of the file that keeps a second Tabrino from starting, %2 the system&apos;s reason</extracomment>
        <translation>%1 lässt sich nicht sperren: %2</translation>
    </message>
</context>
<context>
    <name>EmptyStateView</name>
    <message>
        <source>Track your first subscription</source>
        <extracomment>The heading of the panel while no subscription is tracked</extracomment>
        <translation>Erfassen Sie Ihr erstes Abo</translation>
    </message>
    <message>
        <source>Takes about 10 seconds.</source>
        <extracomment>Under &quot;Track your first subscription&quot;: adding one is quick</extracomment>
        <translation>Dauert etwa 10 Sekunden.</translation>
    </message>
    <message>
        <source>Add Subscription</source>
        <extracomment>The button under &quot;Track your first subscription&quot;</extracomment>
        <translation>Abo hinzufügen</translation>
    </message>
</context>
<context>
    <name>ExportFileChoice</name>
    <message>
        <source>CSV files (%1)</source>
        <extracomment>A file type in the export&apos;s save dialog; %1 is its file name pattern, kept last in parentheses</extracomment>
        <translation>CSV-Dateien (%1)</translation>
    </message>
    <message>
        <source>JSON files (%1)</source>
        <extracomment>A file type in the export&apos;s save dialog; %1 is its file name pattern, kept last in parentheses</extracomment>
        <translation>JSON-Dateien (%1)</translation>
    </message>
    <message>
        <source>Calendar files (%1)</source>
        <extracomment>A file type in the export&apos;s save dialog; %1 is its file name pattern, kept last in parentheses</extracomment>
        <translation>Kalenderdateien (%1)</translation>
    </message>
</context>
<context>
    <name>ExportService</name>
    <message>
        <source>no file name</source>
        <extracomment>Why a file was not written, in &quot;Couldn&apos;t update the calendar file: %1. Tabrino tries again.&quot;</extracomment>
        <translation>kein Dateiname</translation>
    </message>
</context>
<context>
    <name>FinalSave</name>
    <message>
        <source>Tabrino couldn&apos;t save your latest changes to %1: %2. If you quit now, these changes are lost.</source>
        <extracomment>A dialog on quitting; %1 is the names of the subscriptions, separated by commas, %2 why saving failed</extracomment>
        <translation>Tabrino konnte Ihre letzten Änderungen an %1 nicht speichern: %2. Wenn Sie jetzt beenden, gehen diese Änderungen verloren.</translation>
    </message>
    <message>
        <source>Keep Tabrino Open</source>
        <extracomment>A button of the dialog that warns quitting would lose changes; the default</extracomment>
        <translation>Tabrino offen lassen</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <extracomment>A button of the dialog that warns quitting would lose changes</extracomment>
        <translation>Trotzdem beenden</translation>
    </message>
</context>
<context>
    <name>FormRules</name>
    <message numerus="yes">
        <source>Default (%n days before)</source>
        <extracomment>The reminder choice that follows the billing cycle: a reminder %n days before each charge</extracomment>
        <translation>
            <numerusform>Standard (%n Tag vorher)</numerusform>
            <numerusform>Standard (%n Tage vorher)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportApplier</name>
    <message>
        <source>Couldn&apos;t save the import, so nothing was imported: %1</source>
        <extracomment>%1 is the data file&apos;s reason, in the words of its database</extracomment>
        <translation>Der Import ließ sich nicht speichern, daher wurde nichts importiert: %1</translation>
    </message>
</context>
<context>
    <name>ImportDocument</name>
    <message>
        <source>The file is larger than %L1 MB, far more than any list of subscriptions. Is it the right file?</source>
        <extracomment>Why a file is not imported; %L1 is the largest size taken, in megabytes</extracomment>
        <translation>Die Datei ist größer als %L1 MB – weit mehr als jede Abo-Liste. Ist es die richtige Datei?</translation>
    </message>
    <message>
        <source>Couldn&apos;t open the file: %1</source>
        <extracomment>Why a file is not imported; %1 is the system&apos;s reason</extracomment>
        <translation>Die Datei ließ sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the file: %1</source>
        <extracomment>Why a file is not imported; %1 is the system&apos;s reason</extracomment>
        <translation>Die Datei ließ sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>The file holds no subscriptions.</source>
        <translation>Die Datei enthält keine Abos.</translation>
    </message>
</context>
<context>
    <name>ImportFileChoice</name>
    <message>
        <source>Subscription lists (%1)</source>
        <extracomment>A file type in the import&apos;s open dialog; %1 is its file name patterns, kept last in parentheses</extracomment>
        <translation>Abo-Listen (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <extracomment>A file type in the import&apos;s open dialog; %1 is its file name pattern, kept last in parentheses</extracomment>
        <translation>Alle Dateien (%1)</translation>
    </message>
</context>
<context>
    <name>ImportPreviewView</name>
    <message>
        <source>Already tracked</source>
        <extracomment>Label of the choice what the import does with subscriptions that are tracked already</extracomment>
        <translation>Bereits erfasst</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>What the import does with subscriptions tracked already: leave them as they are</extracomment>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Update</source>
        <extracomment>What the import does with subscriptions tracked already: update them from the file</extracomment>
        <translation>Ersetzen</translation>
    </message>
</context>
<context>
    <name>ImportReading</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>A line of an imported file that cannot be read; %1 is its number in the file, %2 why: &quot;line 7: price “abc” is not a number&quot;</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>ImportRowsList</name>
    <message>
        <source>Subscriptions in the file</source>
        <extracomment>Read out for the import preview&apos;s list of what the chosen file holds</extracomment>
        <translation>Abos in der Datei</translation>
    </message>
</context>
<context>
    <name>InsightsDonutSection</name>
    <message>
        <source>per month</source>
        <extracomment>Under the monthly total in the middle of the spend chart</extracomment>
        <translation>pro Monat</translation>
    </message>
</context>
<context>
    <name>InsightsHistorySection</name>
    <message>
        <source>Faded bars are estimated from your current subscriptions.</source>
        <extracomment>Under the chart of the last 12 months&apos; spend</extracomment>
        <translation>Blasse Balken sind aus Ihren aktuellen Abos geschätzt.</translation>
    </message>
    <message>
        <source>Faded months recorded unconverted or in another currency show what was recorded.</source>
        <extracomment>Under the chart of the last 12 months&apos; spend, when some months&apos; totals were recorded in another currency or without converting</extracomment>
        <translation>Blasse Monate zeigen den erfassten Betrag – nicht umgerechnet oder in einer anderen Währung.</translation>
    </message>
</context>
<context>
    <name>InsightsLifetimeList</name>
    <message>
        <source>Lifetime totals build up as time passes.</source>
        <extracomment>In place of the lifetime spend list while nothing has been charged yet</extracomment>
        <translation>Die Gesamtausgaben wachsen mit der Zeit.</translation>
    </message>
    <message>
        <source>Lifetime Spend</source>
        <extracomment>Read out for the list of what each subscription has cost so far</extracomment>
        <translation>Gesamtausgaben</translation>
    </message>
</context>
<context>
    <name>InsightsView</name>
    <message>
        <source>Insights</source>
        <extracomment>Read out for the screen of charts and figures about the spend</extracomment>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Spend by Category</source>
        <extracomment>Heading of the insights&apos; chart of monthly spend per category</extracomment>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <extracomment>Heading of the insights&apos; chart of each month&apos;s spend</extracomment>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>Lifetime Spend</source>
        <extracomment>Heading of the insights&apos; list of what each subscription has cost so far</extracomment>
        <translation>Gesamtausgaben</translation>
    </message>
</context>
<context>
    <name>JsonRecordReader</name>
    <message>
        <source>The file holds no list of subscriptions.</source>
        <translation>Die Datei enthält keine Abo-Liste.</translation>
    </message>
    <message>
        <source>The file has more than %L1 subscriptions; import at most %L1 at a time.</source>
        <translation>Die Datei enthält mehr als %L1 Abos. Importieren Sie höchstens %L1 auf einmal.</translation>
    </message>
    <message>
        <source>the entry is not an object with named values</source>
        <translation>der Eintrag ist kein Objekt mit benannten Werten</translation>
    </message>
    <message>
        <source>The file is nested too deeply.</source>
        <translation>Die Datei ist zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: %1 (line %2).</source>
        <extracomment>Why a file is not imported; %1 is what is wrong (&quot;Invalid value.&quot;), %2 the line where it is</extracomment>
        <translation>Die Datei ist kein gültiges JSON: %1 (Zeile %2).</translation>
    </message>
    <message>
        <source>The document is empty.</source>
        <extracomment>Why a file is not valid JSON, after &quot;The file is not valid JSON: &quot;</extracomment>
        <translation>Das Dokument ist leer.</translation>
    </message>
    <message>
        <source>The document root must not be followed by other values.</source>
        <translation>Auf die Wurzel des Dokuments dürfen keine weiteren Werte folgen.</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>Ungültiger Wert.</translation>
    </message>
    <message>
        <source>Missing a name for object member.</source>
        <translation>Name eines Objektelements fehlt.</translation>
    </message>
    <message>
        <source>Missing a colon after a name of object member.</source>
        <translation>Doppelpunkt nach dem Namen eines Objektelements fehlt.</translation>
    </message>
    <message>
        <source>Missing a comma or &apos;}&apos; after an object member.</source>
        <translation>Komma oder &apos;}&apos; nach einem Objektelement fehlt.</translation>
    </message>
    <message>
        <source>Missing a comma or &apos;]&apos; after an array element.</source>
        <translation>Komma oder &apos;]&apos; nach einem Array-Element fehlt.</translation>
    </message>
    <message>
        <source>Incorrect hex digit in a Unicode escape in string.</source>
        <translation>Falsche Hexadezimalziffer in einer Unicode-Escape-Sequenz einer Zeichenkette.</translation>
    </message>
    <message>
        <source>The surrogate pair in string is invalid.</source>
        <translation>Ungültiges Surrogatpaar in einer Zeichenkette.</translation>
    </message>
    <message>
        <source>Invalid escape character in string.</source>
        <translation>Ungültiges Escape-Zeichen in einer Zeichenkette.</translation>
    </message>
    <message>
        <source>Missing a closing quotation mark in string.</source>
        <translation>Schließendes Anführungszeichen einer Zeichenkette fehlt.</translation>
    </message>
    <message>
        <source>Invalid encoding in string.</source>
        <translation>Ungültige Kodierung in einer Zeichenkette.</translation>
    </message>
    <message>
        <source>Number too big to be stored in double.</source>
        <translation>Zahl zu groß für eine Gleitkommazahl (double).</translation>
    </message>
    <message>
        <source>Miss fraction part in number.</source>
        <translation>Nachkommastellen einer Zahl fehlen.</translation>
    </message>
    <message>
        <source>Miss exponent in number.</source>
        <translation>Exponent einer Zahl fehlt.</translation>
    </message>
    <message>
        <source>Unspecific syntax error.</source>
        <translation>Unbestimmter Syntaxfehler.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>List</source>
        <extracomment>A tab of the panel: the list of subscriptions</extracomment>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Insights</source>
        <extracomment>A tab of the panel: charts and figures on the spending</extracomment>
        <translation>Statistik</translation>
    </message>
</context>
<context>
    <name>MonthGridPanel</name>
    <message>
        <source>Arrows move the day, Page Up and Page Down the month, Return picks</source>
        <extracomment>Read out for the month grid of a date field; Page Up, Page Down and Return are keys</extracomment>
        <translation>Pfeiltasten wechseln den Tag, Bild auf und Bild ab den Monat, die Eingabetaste wählt aus</translation>
    </message>
    <message>
        <source>Previous month</source>
        <extracomment>Read out for the month grid&apos;s button to the month before</extracomment>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <extracomment>Read out for the month grid&apos;s button to the month after</extracomment>
        <translation>Nächster Monat</translation>
    </message>
</context>
<context>
    <name>OverlayHeader</name>
    <message>
        <source>Back</source>
        <extracomment>The name of the button at the top left that leaves a screen</extracomment>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Add Subscription</source>
        <extracomment>A button at the bottom of the panel</extracomment>
        <translation>Abo hinzufügen</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>The name of the gear button at the bottom of the panel</extracomment>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>PanelView</name>
    <message>
        <source>Settings</source>
        <extracomment>The title of the settings screen</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>The title of the screen that previews a file to import before bringing it in</extracomment>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>PersistentContainer</name>
    <message>
        <source>Cannot create the data file %1: %2</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Die Datendatei %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Cannot open %1 (%2).</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 lässt sich nicht öffnen (%2).</translation>
    </message>
    <message>
        <source>%1 holds an unfinished write and is not known to be a Tabrino data file.</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path</extracomment>
        <translation>%1 enthält einen unvollständigen Schreibvorgang und ist nicht als Tabrino-Datendatei erkennbar.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a database (%2).</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 lässt sich nicht als Datenbank lesen (%2).</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tabrino.</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path</extracomment>
        <translation>%1 stammt von einer neueren Tabrino-Version.</translation>
    </message>
    <message>
        <source>%1 is not a Tabrino data file.</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path</extracomment>
        <translation>%1 ist keine Tabrino-Datendatei.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path</extracomment>
        <translation>%1 ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 does not hold the expected tables.</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path</extracomment>
        <translation>%1 enthält nicht die erwarteten Tabellen.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path, which names a folder or a device</extracomment>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 ist nicht beschreibbar (%2).</translation>
    </message>
    <message>
        <source>Cannot prepare %1 (%2).</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 lässt sich nicht vorbereiten (%2).</translation>
    </message>
    <message>
        <source>Cannot update %1 to this version of Tabrino (%2).</source>
        <extracomment>Why Tabrino cannot start; %1 is the data file&apos;s path, %2 the database&apos;s reason</extracomment>
        <translation>%1 lässt sich nicht auf diese Tabrino-Version aktualisieren (%2).</translation>
    </message>
</context>
<context>
    <name>PlanPickerView</name>
    <message>
        <source>Plans</source>
        <extracomment>Read out for the list of a service&apos;s plans to pick from</extracomment>
        <translation>Tarife</translation>
    </message>
    <message>
        <source>First charge</source>
        <extracomment>Label of the date the picked plan is first charged</extracomment>
        <translation>Erste Abbuchung</translation>
    </message>
    <message>
        <source>Customize details…</source>
        <extracomment>Button under a service&apos;s plans: continue in the full form instead</extracomment>
        <translation>Details anpassen…</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>Cannot create the folder %1</source>
        <extracomment>Why Tabrino cannot start; %1 is the folder that holds its data</extracomment>
        <translation>Der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
</context>
<context>
    <name>RecordFields</name>
    <message>
        <source>the name is missing</source>
        <extracomment>Why a line of an imported file is not read, after &quot;line 7: &quot;</extracomment>
        <translation>der Name fehlt</translation>
    </message>
    <message>
        <source>the price is missing</source>
        <translation>der Preis fehlt</translation>
    </message>
    <message>
        <source>price %1 is not a number</source>
        <extracomment>Why a line of an imported file is not read; %1 is the price as written, quoted: “abc”</extracomment>
        <translation>Preis %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>price %1 is a formula, not a number</source>
        <extracomment>Why a line of an imported file is not read; %1 is the price as written, quoted: “=A1*2”</extracomment>
        <translation>Preis %1 ist eine Formel, keine Zahl</translation>
    </message>
    <message>
        <source>price %1 is negative</source>
        <extracomment>Why a line of an imported file is not read; %1 is the price as written, quoted</extracomment>
        <translation>Preis %1 ist negativ</translation>
    </message>
    <message>
        <source>the next billing date is missing</source>
        <translation>das nächste Abrechnungsdatum fehlt</translation>
    </message>
    <message>
        <source>date %1 is not a date</source>
        <extracomment>Why a line of an imported file is not read; %1 is the date as written, quoted: “soon”</extracomment>
        <translation>Datum %1 ist kein Datum</translation>
    </message>
    <message>
        <source>date %1 does not exist</source>
        <extracomment>Why a line of an imported file is not read; %1 is the date as written, quoted: “2025-02-30”</extracomment>
        <translation>Datum %1 gibt es nicht</translation>
    </message>
    <message>
        <source>date %1 is out of range</source>
        <extracomment>Why a line of an imported file is not read; %1 is the date as written, quoted: “1/1/12025”</extracomment>
        <translation>Datum %1 liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>the billing cycle is missing</source>
        <translation>der Abrechnungszeitraum fehlt</translation>
    </message>
    <message>
        <source>cycle %1 is not a billing period</source>
        <extracomment>Why a line of an imported file is not read; %1 is the billing cycle as written, quoted: “sometimes”</extracomment>
        <translation>Zeitraum %1 ist kein Abrechnungszeitraum</translation>
    </message>
    <message>
        <source>cycle %1 taken as %2</source>
        <extracomment>How an imported value without an exact match was read; %1 is the billing cycle as written, quoted, %2 the name of the cycle taken instead: &quot;cycle “Every 2 Months” taken as Every 61 days&quot;</extracomment>
        <translation>Zeitraum %1 gelesen als %2</translation>
    </message>
    <message>
        <source>category %1 taken as %2</source>
        <extracomment>How an imported value without an exact match was read; %1 is the category as written, quoted, %2 the name of the category taken instead: &quot;category “News &amp; Magazines” taken as News&quot;</extracomment>
        <translation>Kategorie %1 gelesen als %2</translation>
    </message>
    <message>
        <source>price %1 is above %2</source>
        <extracomment>Why a line of an imported file is not read; %1 is the price as written, quoted, %2 the highest price taken</extracomment>
        <translation>Preis %1 liegt über %2</translation>
    </message>
    <message>
        <source>%1: %2 is not yes or no</source>
        <extracomment>Why a line of an imported file is not read; %1 is the file&apos;s column name, %2 its value as written, quoted: &quot;Trial: “maybe” is not yes or no&quot;</extracomment>
        <translation>%1: %2 ist weder Ja noch Nein</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>Quotation marks around a value as the imported file writes it; use your language&apos;s own marks</extracomment>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>RelativeDateText</name>
    <message>
        <source>Overdue</source>
        <extracomment>When a subscription&apos;s renewal comes, under its price in the list: its day has passed</extracomment>
        <translation>Überfällig</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>When a charge comes, on its own under its price in the list or the Up Next strip: today</extracomment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <extracomment>When a charge comes, on its own under its price in the list or the Up Next strip: tomorrow</extracomment>
        <translation>Morgen</translation>
    </message>
    <message numerus="yes">
        <source>In %Ln days</source>
        <extracomment>When a charge comes, on its own under its price in the list or the Up Next strip; %Ln is 2 or more</extracomment>
        <translation>
            <numerusform>In %Ln Tag</numerusform>
            <numerusform>In %Ln Tagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Export</source>
        <extracomment>Title of the dialog that asks where an export is saved</extracomment>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>Title of the dialog that asks which file to import</extracomment>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>Heading of a settings section</extracomment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Keep typical prices updated</source>
        <extracomment>A setting: download the catalog of services and their usual prices now and then</extracomment>
        <translation>Übliche Preise aktuell halten</translation>
    </message>
    <message>
        <source>Anonymously refreshes the service catalog every few days</source>
        <translation>Aktualisiert den Dienstkatalog anonym alle paar Tage</translation>
    </message>
    <message>
        <source>Currency</source>
        <extracomment>A setting: the currency of new subscriptions and of the totals</extracomment>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Show totals in one currency</source>
        <translation>Summen in einer Währung zeigen</translation>
    </message>
    <message>
        <source>Converts other currencies at the European Central Bank&apos;s rates, fetched anonymously once a day</source>
        <translation>Rechnet andere Währungen zu den Kursen der Europäischen Zentralbank um, einmal täglich anonym abgerufen</translation>
    </message>
    <message>
        <source>Tray</source>
        <extracomment>Heading of the settings section about Tabrino&apos;s item in the panel&apos;s system tray</extracomment>
        <translation>Infobereich</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>A setting: what the tray item shows (the icon, the monthly total, ...)</extracomment>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Renewal indicator</source>
        <extracomment>A setting: a dot on the tray icon when a renewal is near</extracomment>
        <translation>Verlängerungshinweis</translation>
    </message>
    <message>
        <source>A small dot when something renews within 3 days</source>
        <translation>Ein kleiner Punkt, wenn sich in den nächsten 3 Tagen etwas verlängert</translation>
    </message>
    <message>
        <source>Notifications</source>
        <extracomment>Heading of the settings section about reminders before charges</extracomment>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Default lead</source>
        <extracomment>A setting: how long before a charge reminders come, unless a subscription says otherwise</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Yearly plans</source>
        <extracomment>A setting: how long before a charge of a yearly plan its reminder comes</extracomment>
        <translation>Jahresabos</translation>
    </message>
    <message>
        <source>Per-subscription overrides live in each subscription&apos;s details.</source>
        <translation>Für einzelne Abos lässt sich das in deren Details ändern.</translation>
    </message>
    <message>
        <source>Your Data</source>
        <extracomment>Heading of the settings section for export and import</extracomment>
        <translation>Ihre Daten</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Export JSON</source>
        <translation>JSON exportieren</translation>
    </message>
    <message>
        <source>Export Calendar (.ics)</source>
        <translation>Kalender exportieren (.ics)</translation>
    </message>
    <message>
        <source>Keep a calendar file up to date</source>
        <translation>Kalenderdatei aktuell halten</translation>
    </message>
    <message>
        <source>%1, for your calendar app to subscribe to</source>
        <extracomment>Under the calendar file switch; %1 is the file&apos;s path</extracomment>
        <translation>%1 – zum Abonnieren in Ihrer Kalender-App</translation>
    </message>
    <message>
        <source>From a backup or another app</source>
        <extracomment>Label of the import button: where an imported file comes from</extracomment>
        <translation>Sicherung oder andere App</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>A Tabrino, Wallos or SubTrackr export, or a spreadsheet</source>
        <extracomment>Read out for the import button: the files it takes; Wallos and SubTrackr are other apps</extracomment>
        <translation>Ein Export aus Tabrino, Wallos oder SubTrackr oder eine Tabelle</translation>
    </message>
    <message>
        <source>Everything stays on this computer. Exports are yours to keep.</source>
        <translation>Alles bleibt auf diesem Computer. Exporte gehören Ihnen.</translation>
    </message>
    <message>
        <source>Archived subscriptions keep their history for lifetime stats.</source>
        <translation>Archivierte Abos behalten ihren Verlauf für die Gesamtstatistik.</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Heading of the settings section with Tabrino&apos;s version</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>All data stays on your computer. No account. No tracking.</source>
        <translation>Alle Daten bleiben auf Ihrem Computer. Kein Konto. Kein Tracking.</translation>
    </message>
    <message>
        <source>Quit Tabrino</source>
        <translation>Tabrino beenden</translation>
    </message>
</context>
<context>
    <name>SpreadsheetFormat</name>
    <message>
        <source>Spreadsheet (CSV)</source>
        <extracomment>The kind of an imported file in the import preview, before its counts: &quot;Spreadsheet (CSV): 4 new&quot;</extracomment>
        <translation>Tabelle (CSV)</translation>
    </message>
    <message>
        <source>List of subscriptions (JSON)</source>
        <translation>Abo-Liste (JSON)</translation>
    </message>
</context>
<context>
    <name>SqliteDatabase</name>
    <message>
        <source>it opens for reading only</source>
        <extracomment>Why the data file cannot be used, in &quot;~/.local/share/Tabrino/Tabrino.sqlite cannot be written (%1).&quot;</extracomment>
        <translation>nur lesend zu öffnen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Couldn&apos;t create data store: %1</source>
        <extracomment>The message of the program&apos;s one fatal error at start; %1 says why (from the system, often English)</extracomment>
        <translation>Der Datenspeicher ließ sich nicht anlegen: %1</translation>
    </message>
    <message>
        <source>Tabrino is already running for this account.</source>
        <extracomment>Why a second start stops: the program already runs in another session of the same user</extracomment>
        <translation>Tabrino läuft bereits für dieses Benutzerkonto.</translation>
    </message>
</context>
<context>
    <name>SubTrackrFormat</name>
    <message>
        <source>the schedule is missing</source>
        <extracomment>Why a line of an imported SubTrackr file is not read, after &quot;line 7: &quot;</extracomment>
        <translation>der Zeitplan fehlt</translation>
    </message>
    <message>
        <source>schedule %1 is not a billing period</source>
        <extracomment>Why a line of an imported SubTrackr file is not read, after &quot;line 7: &quot;; %1 is the schedule as written, quoted: “Sometimes”</extracomment>
        <translation>Zeitplan %1 ist kein Abrechnungszeitraum</translation>
    </message>
    <message>
        <source>schedule interval %1 is not a whole number of periods</source>
        <extracomment>Why a line of an imported SubTrackr file is not read; %1 is the interval as written, quoted: “1.5”</extracomment>
        <translation>Intervall %1 des Zeitplans ist keine ganze Zahl von Zeiträumen</translation>
    </message>
    <message>
        <source>schedule %1 every %2 taken as %3</source>
        <extracomment>How an imported SubTrackr schedule without an exact match was read; %1 is the schedule as written, quoted, %2 its interval, %3 the name of the cycle taken instead: &quot;schedule “Monthly” every 2 taken as Every 61 days&quot;</extracomment>
        <translation>Zeitplan %1 alle %2 gelesen als %3</translation>
    </message>
    <message>
        <source>status %1 is not one Tabrino knows</source>
        <extracomment>Why a line of an imported SubTrackr file is not read; %1 is the status as written, quoted: “Frozen”</extracomment>
        <translation>Status %1 kennt Tabrino nicht</translation>
    </message>
    <message>
        <source>SubTrackr export (CSV)</source>
        <extracomment>The kind of an imported file in the import preview: a file SubTrackr exported</extracomment>
        <translation>SubTrackr-Export (CSV)</translation>
    </message>
    <message>
        <source>SubTrackr export (JSON)</source>
        <translation>SubTrackr-Export (JSON)</translation>
    </message>
</context>
<context>
    <name>SubscriptionCategory</name>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Cloud</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Gaming</translation>
    </message>
    <message>
        <source>Finance</source>
        <translation>Finanzen</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Essen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>SubscriptionFormView</name>
    <message>
        <source>Service</source>
        <extracomment>Heading of the form&apos;s first section: the subscription&apos;s name, price and category</extracomment>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Label of the subscription&apos;s name field</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Subscription name</source>
        <translation>Name des Abos</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>0.00</source>
        <extracomment>Placeholder of the price field: an amount as typed, with the decimal mark users write</extracomment>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Billing</source>
        <extracomment>Heading of the form&apos;s section of billing cycle, next charge and reminder</extracomment>
        <translation>Abrechnung</translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>A billing cycle to pick: charged every week</extracomment>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <extracomment>A billing cycle to pick: charged every month</extracomment>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Quarter</source>
        <extracomment>A billing cycle to pick: charged every three months</extracomment>
        <translation>Quartal</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>A billing cycle to pick: charged every year</extracomment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>A billing cycle to pick: charged every so many days, typed below</extracomment>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Every</source>
        <extracomment>Label before the field for a custom cycle&apos;s day count: &quot;Every [30] days&quot;
----------
The custom cycle&apos;s day count field, read out: &quot;Every&quot;, then the count, then &quot;days&quot;</extracomment>
        <translation>Alle</translation>
    </message>
    <message numerus="yes">
        <source>days</source>
        <extracomment>After a custom cycle&apos;s day count: &quot;Every [30] days&quot;</extracomment>
        <translation>
            <numerusform>Tag</numerusform>
            <numerusform>Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Next charge</source>
        <extracomment>Label of the date the subscription is next charged</extracomment>
        <translation>Nächste Abbuchung</translation>
    </message>
    <message>
        <source>Remind me</source>
        <extracomment>Label of the reminder choice (&quot;3 days before&quot;)</extracomment>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>Details</source>
        <extracomment>Heading of the form&apos;s section of trial, sharing, payment and notes</extracomment>
        <translation>Details</translation>
    </message>
    <message>
        <source>Free trial</source>
        <extracomment>A switch: the subscription is a free trial that turns into a paid one</extracomment>
        <translation>Kostenlose Testphase</translation>
    </message>
    <message>
        <source>Trial ends</source>
        <extracomment>Label of the date a free trial turns into a paid subscription</extracomment>
        <translation>Testphase endet</translation>
    </message>
    <message>
        <source>Split with others</source>
        <extracomment>A switch: the user pays only a share of the subscription</extracomment>
        <translation>Mit anderen teilen</translation>
    </message>
    <message>
        <source>My share</source>
        <extracomment>Label of the slider for the user&apos;s percent of a split subscription</extracomment>
        <translation>Mein Anteil</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>Label of the field naming how the subscription is paid (a card, an account)</extracomment>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>e.g. Amex •••• 1005</source>
        <extracomment>Placeholder of the payment field: a card named by its last four digits</extracomment>
        <translation>z. B. Amex •••• 1005</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Optional</source>
        <extracomment>Placeholder of the notes field</extracomment>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>Heading of the section with the button that archives the subscription</extracomment>
        <translation>Archivieren</translation>
    </message>
    <message>
        <source>Archive Subscription</source>
        <translation>Abo archivieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The form&apos;s button that closes it without saving</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SubscriptionListView</name>
    <message>
        <source>Subscriptions</source>
        <extracomment>Spoken name of the list of subscriptions</extracomment>
        <translation>Abos</translation>
    </message>
</context>
<context>
    <name>SubscriptionRowView</name>
    <message>
        <source>Opens details</source>
        <extracomment>Spoken for a subscription in the list: what pressing it does</extracomment>
        <translation>Öffnet die Details</translation>
    </message>
    <message>
        <source>Edit…</source>
        <extracomment>An entry of a subscription&apos;s context menu</extracomment>
        <translation>Bearbeiten…</translation>
    </message>
    <message>
        <source>Open Cancellation Page</source>
        <extracomment>An entry of a subscription&apos;s context menu: opens the service&apos;s web page for cancelling</extracomment>
        <translation>Kündigungsseite öffnen</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>An entry of a subscription&apos;s context menu: moves it out of the list, to the settings&apos; archive</extracomment>
        <translation>Archivieren</translation>
    </message>
</context>
<context>
    <name>TabrinoFormat</name>
    <message>
        <source>share %1 is not a number</source>
        <extracomment>Why a line of an imported file is not read; %1 is the user&apos;s share of a split subscription as written, quoted: “half”</extracomment>
        <translation>Anteil %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>Tabrino export (CSV)</source>
        <extracomment>The kind of an imported file in the import preview: a file Tabrino exported</extracomment>
        <translation>Tabrino-Export (CSV)</translation>
    </message>
    <message>
        <source>Tabrino export (JSON)</source>
        <translation>Tabrino-Export (JSON)</translation>
    </message>
    <message>
        <source>the currency is missing</source>
        <extracomment>Why a line of an imported file is not read, after &quot;line 7: &quot;</extracomment>
        <translation>die Währung fehlt</translation>
    </message>
</context>
<context>
    <name>TextDecoding</name>
    <message>
        <source>The file&apos;s text is cut off or damaged.</source>
        <translation>Der Text der Datei ist abgeschnitten oder beschädigt.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>This is not a text file. Save the subscriptions as CSV or JSON and import that.</source>
        <translation>Das ist keine Textdatei. Speichern Sie die Abos als CSV oder JSON und importieren Sie diese Datei.</translation>
    </message>
</context>
<context>
    <name>TrayDisplayMode</name>
    <message>
        <source>Total only</source>
        <extracomment>A choice in the settings of what the tray item shows: the monthly total alone</extracomment>
        <translation>Nur Summe</translation>
    </message>
    <message>
        <source>Icon only</source>
        <extracomment>A choice in the settings of what the tray item shows: the app&apos;s icon alone</extracomment>
        <translation>Nur Symbol</translation>
    </message>
    <message>
        <source>Icon and total</source>
        <extracomment>A choice in the settings of what the tray item shows: the app&apos;s icon and the monthly total</extracomment>
        <translation>Symbol und Summe</translation>
    </message>
</context>
<context>
    <name>TrialBadge</name>
    <message>
        <source>TRIAL</source>
        <extracomment>A small tag beside the name of a subscription on a free trial; capitals where the language allows</extracomment>
        <translation>TESTPHASE</translation>
    </message>
</context>
<context>
    <name>UpcomingCell</name>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Spoken for a charge in the Up Next strip: %1 is the subscription&apos;s name, %2 the amount (&quot;$9.99&quot;), %3 the day as the strip shows it (&quot;Tomorrow&quot;, &quot;In 3 days&quot;)</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
</context>
<context>
    <name>UpcomingStripView</name>
    <message>
        <source>Up Next</source>
        <extracomment>The heading of the strip of the coming week&apos;s charges, shown in capitals</extracomment>
        <translation>Demnächst</translation>
    </message>
</context>
<context>
    <name>WallosFormat</name>
    <message>
        <source>Wallos export (CSV)</source>
        <extracomment>The kind of an imported file in the import preview: a file Wallos exported</extracomment>
        <translation>Wallos-Export (CSV)</translation>
    </message>
    <message>
        <source>Wallos export (JSON)</source>
        <translation>Wallos-Export (JSON)</translation>
    </message>
</context>
<context>
    <name>tabrino::AddFlow</name>
    <message>
        <source>Add Subscription</source>
        <extracomment>Title of the add screen while it searches the catalog</extracomment>
        <translation>Abo hinzufügen</translation>
    </message>
    <message>
        <source>New Subscription</source>
        <extracomment>Title of the add screen&apos;s form for a subscription the catalog does not list</extracomment>
        <translation>Neues Abo</translation>
    </message>
    <message>
        <source>Add a custom subscription</source>
        <translation>Eigenes Abo hinzufügen</translation>
    </message>
    <message>
        <source>Can&apos;t find it? Add &quot;%1&quot;</source>
        <extracomment>The last row of the search results; %1 is the text searched for</extracomment>
        <translation>Nicht gefunden? „%1“ hinzufügen</translation>
    </message>
</context>
<context>
    <name>tabrino::Autostart</name>
    <message>
        <source>Couldn&apos;t write the autostart entry in %1: the program&apos;s own path is unknown.</source>
        <extracomment>An error on the settings screen; %1 is a folder (&quot;~/.config/autostart&quot;)</extracomment>
        <translation>Der Autostart-Eintrag in %1 ließ sich nicht schreiben: Der Pfad des Programms ist unbekannt.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the autostart entry in %1: the folder could not be created.</source>
        <extracomment>An error on the settings screen; %1 is a folder (&quot;~/.config/autostart&quot;)</extracomment>
        <translation>Der Autostart-Eintrag in %1 ließ sich nicht schreiben: Der Ordner ließ sich nicht anlegen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the autostart entry in %1: %2.</source>
        <extracomment>An error on the settings screen; %1 is a folder (&quot;~/.config/autostart&quot;), %2 the system&apos;s reason</extracomment>
        <translation>Der Autostart-Eintrag in %1 ließ sich nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t remove the autostart entry from %1: %2.</source>
        <extracomment>An error on the settings screen; %1 is a folder (&quot;~/.config/autostart&quot;), %2 the system&apos;s reason</extracomment>
        <translation>Der Autostart-Eintrag in %1 ließ sich nicht entfernen: %2.</translation>
    </message>
</context>
<context>
    <name>tabrino::CalendarFileKeeper</name>
    <message>
        <source>Couldn&apos;t update the calendar file: %1. Tabrino tries again.</source>
        <extracomment>Under the settings&apos; calendar file switch; %1 is the system&apos;s reason</extracomment>
        <translation>Die Kalenderdatei ließ sich nicht aktualisieren: %1. Tabrino versucht es erneut.</translation>
    </message>
</context>
<context>
    <name>tabrino::CatalogResultsModel</name>
    <message>
        <source>from %1/%2 · %3</source>
        <extracomment>Under a service in the search results: %1 is its cheapest usual price (&quot;$0.99&quot;), %2 the short billing cycle after the slash (&quot;mo&quot;), %3 its category (&quot;Cloud&quot;)</extracomment>
        <translation>ab %1/%2 · %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Read out for a service in the search results: %1 is its name, %2 its category (&quot;Netflix, Streaming&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>tabrino::ConversionNote</name>
    <message>
        <source>Converted at ECB rates of %1</source>
        <extracomment>Under totals converted into one currency; %1 is the day of the European Central Bank&apos;s rates (&quot;Dec 5&quot;)</extracomment>
        <translation>Umgerechnet zu EZB-Kursen vom %1</translation>
    </message>
    <message>
        <source>Not converted: %1</source>
        <extracomment>Under converted totals; %1 lists the subscriptions left out by currency (&quot;2 subscriptions in CHF, 1 in XYZ&quot;)</extracomment>
        <translation>Nicht umgerechnet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subscriptions in %1</source>
        <extracomment>The first currency the totals leave out; %1 is its code (&quot;CHF&quot;)</extracomment>
        <translation>
            <numerusform>%Ln Abo in %1</numerusform>
            <numerusform>%Ln Abos in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln in %1</source>
        <extracomment>A further currency the totals leave out, after &quot;2 subscriptions in CHF, &quot;; %1 is its code (&quot;XYZ&quot;)</extracomment>
        <translation>
            <numerusform>%Ln in %1</numerusform>
            <numerusform>%Ln in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::EditingChoices</name>
    <message>
        <source>Off</source>
        <extracomment>A reminder choice: no reminder</extracomment>
        <translation>Aus</translation>
    </message>
    <message numerus="yes">
        <source>%n days before</source>
        <extracomment>A reminder choice: a reminder %n days before each charge</extracomment>
        <translation>
            <numerusform>%n Tag vorher</numerusform>
            <numerusform>%n Tage vorher</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::ImportPreview</name>
    <message>
        <source>Which column holds the names?</source>
        <translation>Welche Spalte enthält die Namen?</translation>
    </message>
    <message>
        <source>Which column holds the prices?</source>
        <translation>Welche Spalte enthält die Preise?</translation>
    </message>
    <message>
        <source>Which column holds the billing cycles?</source>
        <translation>Welche Spalte enthält die Abrechnungszeiträume?</translation>
    </message>
    <message>
        <source>Which column holds the next billing dates?</source>
        <translation>Welche Spalte enthält die nächsten Abrechnungsdaten?</translation>
    </message>
    <message>
        <source>None: every month</source>
        <extracomment>The last answer to &quot;Which column holds the billing cycles?&quot;: no column, each subscription is monthly</extracomment>
        <translation>Keine: monatlich</translation>
    </message>
    <message>
        <source>None: renews today</source>
        <extracomment>The last answer to &quot;Which column holds the next billing dates?&quot;: no column, each renews today</extracomment>
        <translation>Keine: verlängert sich heute</translation>
    </message>
    <message>
        <source>next %1</source>
        <extracomment>In a row of the import preview, after the price and cycle; %1 is the next billing date</extracomment>
        <translation>fällig am %1</translation>
    </message>
    <message>
        <source>trial</source>
        <extracomment>In a row of the import preview: the subscription is a free trial</extracomment>
        <translation>Testphase</translation>
    </message>
    <message>
        <source>archived</source>
        <extracomment>In a row of the import preview: the subscription has ended and is imported as archived</extracomment>
        <translation>archiviert</translation>
    </message>
    <message>
        <source>Which currency is “%1”?</source>
        <extracomment>Asked when a file writes amounts with a symbol several currencies share; %1 is the symbol: &quot;$&quot;</extracomment>
        <translation>Welche Währung ist „%1“?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The import preview&apos;s summary; %1 is the kind of file (&quot;Wallos export (JSON)&quot;), %2 its counts (&quot;4 new · 1 already tracked&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Choose the columns that hold the names and prices.</source>
        <extracomment>Why the import button is disabled: the questions about columns are not answered</extracomment>
        <translation>Wählen Sie die Spalten mit den Namen und Preisen.</translation>
    </message>
    <message>
        <source>Choose which currency “%1” is.</source>
        <extracomment>Why the import button is disabled; %1 is a currency symbol several currencies share: &quot;$&quot;</extracomment>
        <translation>Wählen Sie, welche Währung „%1“ ist.</translation>
    </message>
    <message>
        <source>Everything in the file is tracked already.</source>
        <translation>Alles in der Datei ist bereits erfasst.</translation>
    </message>
    <message>
        <source>Nothing in the file can be imported.</source>
        <translation>Aus der Datei lässt sich nichts importieren.</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>The import button while there is nothing to import</extracomment>
        <translation>Importieren</translation>
    </message>
    <message numerus="yes">
        <source>New (%Ln)</source>
        <extracomment>Heading of the import preview&apos;s subscriptions that are not tracked yet, with their count</extracomment>
        <translation>
            <numerusform>Neu (%Ln)</numerusform>
            <numerusform>Neu (%Ln)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Will be updated (%Ln)</source>
        <extracomment>Heading of the import preview&apos;s subscriptions already tracked, which the import updates, with their count</extracomment>
        <translation>
            <numerusform>Wird ersetzt (%Ln)</numerusform>
            <numerusform>Werden ersetzt (%Ln)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Will be skipped (%Ln)</source>
        <extracomment>Heading of the import preview&apos;s subscriptions already tracked, which the import leaves as they are, with their count</extracomment>
        <translation>
            <numerusform>Bleibt unverändert (%Ln)</numerusform>
            <numerusform>Bleiben unverändert (%Ln)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Can&apos;t be read (%Ln)</source>
        <extracomment>Heading of the import preview&apos;s lines that cannot be read, with their count</extracomment>
        <translation>
            <numerusform>Nicht lesbar (%Ln)</numerusform>
            <numerusform>Nicht lesbar (%Ln)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln new</source>
        <extracomment>A count in the import preview&apos;s summary: subscriptions not tracked yet</extracomment>
        <translation>
            <numerusform>%Ln neu</numerusform>
            <numerusform>%Ln neu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln already tracked</source>
        <extracomment>A count in the import preview&apos;s summary: subscriptions the file holds that are tracked already</extracomment>
        <translation>
            <numerusform>%Ln bereits erfasst</numerusform>
            <numerusform>%Ln bereits erfasst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln can&apos;t be read</source>
        <extracomment>A count in the import preview&apos;s summary: lines of the file that cannot be read</extracomment>
        <translation>
            <numerusform>%Ln nicht lesbar</numerusform>
            <numerusform>%Ln nicht lesbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %Ln and update %L1</source>
        <extracomment>The import button: adds %Ln new subscriptions and updates %L1 tracked ones</extracomment>
        <translation>
            <numerusform>%Ln importieren, %L1 ersetzen</numerusform>
            <numerusform>%Ln importieren, %L1 ersetzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update %Ln</source>
        <extracomment>The import button: updates %Ln tracked subscriptions from the file</extracomment>
        <translation>
            <numerusform>%Ln ersetzen</numerusform>
            <numerusform>%Ln ersetzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %Ln</source>
        <extracomment>The import button: adds %Ln new subscriptions</extracomment>
        <translation>
            <numerusform>%Ln importieren</numerusform>
            <numerusform>%Ln importieren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::InsightsCardsPresenter</name>
    <message>
        <source>%1: %2 per month, %3</source>
        <extracomment>Read out for a card of the insights: %1 is its label (&quot;Most Expensive&quot;), %2 a monthly amount, %3 what the amount is of (a subscription&apos;s name, a category, &quot;per service&quot;)</extracomment>
        <translation>%1: %2 pro Monat, %3</translation>
    </message>
    <message>
        <source>Most Expensive</source>
        <extracomment>Label of the insights card with the subscription that costs the most a month</extracomment>
        <translation>Am teuersten</translation>
    </message>
    <message>
        <source>Top Category</source>
        <extracomment>Label of the insights card with the category that costs the most a month</extracomment>
        <translation>Top-Kategorie</translation>
    </message>
    <message>
        <source>Average</source>
        <extracomment>Label of the insights card with what a subscription costs a month on average</extracomment>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>per service</source>
        <extracomment>Under the average monthly amount on its insights card</extracomment>
        <translation>pro Dienst</translation>
    </message>
</context>
<context>
    <name>tabrino::InsightsDonutPresenter</name>
    <message>
        <source>about %1 per month</source>
        <extracomment>Read out for the total in the middle of the spend chart, converted at today&apos;s rates; %1 is an amount</extracomment>
        <translation>etwa %1 pro Monat</translation>
    </message>
    <message>
        <source>%1 per month</source>
        <extracomment>Read out for the total in the middle of the spend chart; %1 is an amount</extracomment>
        <translation>%1 pro Monat</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>The spend chart&apos;s slice for all categories past the largest ones</extracomment>
        <translation>Weitere</translation>
    </message>
</context>
<context>
    <name>tabrino::InsightsHistoryPresenter</name>
    <message>
        <source>%1, %2, recorded unconverted or in another currency</source>
        <extracomment>Read out for a month&apos;s bar of the spend history, whose total was recorded in another currency or unconverted; %1 is the month (&quot;March 2025&quot;), %2 its total</extracomment>
        <translation>%1, %2, nicht umgerechnet oder in einer anderen Währung erfasst</translation>
    </message>
    <message>
        <source>%1, %2, estimated</source>
        <extracomment>Read out for a month&apos;s bar of the spend history, estimated from the current subscriptions; %1 is the month (&quot;March 2025&quot;), %2 its total</extracomment>
        <translation>%1, %2, geschätzt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Read out for a month&apos;s bar of the spend history; %1 is the month (&quot;March 2025&quot;), %2 its total</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>tabrino::InsightsLifetimePresenter</name>
    <message>
        <source>ended %1</source>
        <extracomment>Under an archived subscription&apos;s lifetime spend; %1 is the month it was archived (&quot;Mar 2025&quot;)</extracomment>
        <translation>bis %1</translation>
    </message>
    <message>
        <source>since %1</source>
        <extracomment>Under a subscription&apos;s lifetime spend; %1 is the month of its first charge (&quot;Mar 2025&quot;)</extracomment>
        <translation>seit %1</translation>
    </message>
    <message>
        <source>Archived</source>
        <extracomment>Read out for an archived subscription in the lifetime spend list</extracomment>
        <translation>Archiviert</translation>
    </message>
</context>
<context>
    <name>tabrino::NotificationService</name>
    <message>
        <source>Snooze 1 Day</source>
        <extracomment>A button of a reminder: remind again tomorrow</extracomment>
        <translation>1 Tag später erinnern</translation>
    </message>
    <message>
        <source>Open Cancellation Page</source>
        <extracomment>A button of a reminder: opens the service&apos;s web page for cancelling</extracomment>
        <translation>Kündigungsseite öffnen</translation>
    </message>
    <message>
        <source>%1 renews today</source>
        <extracomment>A reminder&apos;s title; %1 is the subscription&apos;s name</extracomment>
        <translation>%1 verlängert sich heute</translation>
    </message>
    <message>
        <source>%1 renews tomorrow</source>
        <extracomment>A reminder&apos;s title; %1 is the subscription&apos;s name</extracomment>
        <translation>%1 verlängert sich morgen</translation>
    </message>
    <message>
        <source>%1 renews %2</source>
        <comment>on a weekday</comment>
        <extracomment>A reminder&apos;s title; %1 is the subscription&apos;s name, %2 a weekday within the coming week (&quot;Friday&quot;)</extracomment>
        <translation>%1 verlängert sich am %2</translation>
    </message>
    <message>
        <source>%1 renews %2</source>
        <comment>on a date</comment>
        <extracomment>A reminder&apos;s title; %1 is the subscription&apos;s name, %2 a month and day a week or more ahead (&quot;Mar 20&quot;)</extracomment>
        <translation>%1 verlängert sich am %2</translation>
    </message>
    <message>
        <source>%1 for the next quarter. Still using it?</source>
        <extracomment>A renewal reminder&apos;s text; %1 is the price of one quarter (&quot;$30.00&quot;)</extracomment>
        <translation>%1 für das nächste Quartal. Nutzen Sie es noch?</translation>
    </message>
    <message>
        <source>Your annual plan is %1. Worth a look before it goes through.</source>
        <extracomment>A renewal reminder&apos;s text; %1 is the price of one year (&quot;$99.00&quot;)</extracomment>
        <translation>Ihr Jahresabo kostet %1. Vor der Abbuchung lohnt sich ein Blick.</translation>
    </message>
    <message>
        <source>%1. Still using it?</source>
        <extracomment>A renewal reminder&apos;s text; %1 is the price of one charge (&quot;$15.49&quot;)</extracomment>
        <translation>%1. Nutzen Sie es noch?</translation>
    </message>
    <message numerus="yes">
        <source>%1 trial ends in %Ln days</source>
        <extracomment>A reminder&apos;s title; %1 is the subscription&apos;s name, %Ln the days left of its free trial (2 or more)</extracomment>
        <translation>
            <numerusform>%1: Testphase endet in %Ln Tag</numerusform>
            <numerusform>%1: Testphase endet in %Ln Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Then it&apos;s %1. Good time to decide.</source>
        <extracomment>A trial reminder&apos;s text; %1 is the price per cycle after the trial (&quot;$9.99/mo&quot;)</extracomment>
        <translation>Danach kostet es %1 – ein guter Moment, sich zu entscheiden.</translation>
    </message>
    <message>
        <source>%1 trial ends tomorrow</source>
        <extracomment>A reminder&apos;s title; %1 is the subscription&apos;s name</extracomment>
        <translation>%1: Testphase endet morgen</translation>
    </message>
    <message>
        <source>It becomes %1 unless you cancel today.</source>
        <extracomment>A trial reminder&apos;s text; %1 is the price per cycle after the trial (&quot;$9.99/mo&quot;)</extracomment>
        <translation>Danach kostet es %1, wenn Sie nicht heute kündigen.</translation>
    </message>
    <message>
        <source>%1 trial ends today</source>
        <extracomment>A reminder&apos;s title; %1 is the subscription&apos;s name</extracomment>
        <translation>%1: Testphase endet heute</translation>
    </message>
    <message>
        <source>It becomes %1 today unless you cancel.</source>
        <extracomment>A trial reminder&apos;s text; %1 is the price per cycle after the trial (&quot;$9.99/mo&quot;)</extracomment>
        <translation>Ab heute kostet es %1, wenn Sie nicht kündigen.</translation>
    </message>
</context>
<context>
    <name>tabrino::PanelHeaderPresenter</name>
    <message>
        <source>%1 per year</source>
        <extracomment>Under the monthly total; %1 is the yearly total (&quot;$1.2K&quot;)</extracomment>
        <translation>%1 pro Jahr</translation>
    </message>
    <message>
        <source>%1 vs last month</source>
        <extracomment>In a small pill under the totals; %1 is the change in monthly spending with its sign (&quot;+$5&quot;)</extracomment>
        <translation>%1 zum Vormonat</translation>
    </message>
    <message>
        <source>Spending %1 more than last month</source>
        <extracomment>Spoken for the change in monthly spending; %1 is an amount (&quot;$5&quot;)</extracomment>
        <translation>Sie geben %1 mehr aus als im Vormonat</translation>
    </message>
    <message>
        <source>Spending %1 less than last month</source>
        <extracomment>Spoken for the change in monthly spending; %1 is an amount (&quot;$5&quot;)</extracomment>
        <translation>Sie geben %1 weniger aus als im Vormonat</translation>
    </message>
    <message>
        <source>Monthly total about %1</source>
        <extracomment>Spoken for the big monthly total, converted into one currency; %1 is an amount (&quot;$13.99&quot;)</extracomment>
        <translation>Monatssumme etwa %1</translation>
    </message>
    <message>
        <source>Monthly total %1</source>
        <extracomment>Spoken for the big monthly total; %1 is an amount (&quot;$13.99&quot;)</extracomment>
        <translation>Monatssumme %1</translation>
    </message>
</context>
<context>
    <name>tabrino::PlanPickerModel</name>
    <message>
        <source>Add %1</source>
        <extracomment>The plan picker&apos;s button; %1 is a service&apos;s name: &quot;Add Netflix&quot;</extracomment>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Read out for a plan: %1 is the plan&apos;s name, %2 its price and cycle (&quot;$7.99 per month&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>tabrino::SaveFailureNotice</name>
    <message>
        <source>Couldn&apos;t save your changes: %1. Tabrino keeps them and tries again.</source>
        <extracomment>A notice at the top of the panel; %1 is why saving failed (from the system, often English)</extracomment>
        <translation>Ihre Änderungen ließen sich nicht speichern: %1. Tabrino behält sie und versucht es erneut.</translation>
    </message>
</context>
<context>
    <name>tabrino::SettingsExport</name>
    <message>
        <source>Couldn&apos;t save the export. Try again in another folder.</source>
        <extracomment>Under the export buttons when the chosen file could not be written</extracomment>
        <translation>Der Export ließ sich nicht speichern. Versuchen Sie es in einem anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>tabrino::SettingsPresenter</name>
    <message>
        <source>Plasma&apos;s tray shows each item as a small square. To see the total in full, add the &quot;Tabrino&quot; widget to the panel.</source>
        <extracomment>Under the tray display choice, on KDE Plasma; &quot;Tabrino&quot; is the name of the widget to add</extracomment>
        <translation>Der Infobereich von Plasma zeigt jedes Element als kleines Quadrat. Um die Summe vollständig zu sehen, fügen Sie der Kontrollleiste das Widget „Tabrino“ hinzu.</translation>
    </message>
    <message>
        <source>This desktop&apos;s tray shows each item as a small square: the total appears alone in it, shortened to fit, and in full in its tooltip.</source>
        <extracomment>Under the tray display choice, on a desktop whose tray shows only icons</extracomment>
        <translation>Der Infobereich dieser Arbeitsumgebung zeigt jedes Element als kleines Quadrat: Die Summe steht darin allein und gekürzt, vollständig in der Kurzinfo.</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>Folds away the list of archived subscriptions</extracomment>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>Unfolds the list of archived subscriptions</extracomment>
        <translation>Einblenden</translation>
    </message>
    <message numerus="yes">
        <source>Archived (%Ln)</source>
        <extracomment>Heading of the settings&apos; section of archived subscriptions, with their count</extracomment>
        <translation>
            <numerusform>Archiviert (%Ln)</numerusform>
            <numerusform>Archiviert (%Ln)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::StatusNotifierMenu</name>
    <message>
        <source>Open Tabrino</source>
        <extracomment>An entry of the tray item&apos;s menu: opens the panel</extracomment>
        <translation>Tabrino öffnen</translation>
    </message>
    <message>
        <source>Quit Tabrino</source>
        <extracomment>An entry of the tray item&apos;s menu: ends the program</extracomment>
        <translation>Tabrino beenden</translation>
    </message>
</context>
<context>
    <name>tabrino::SubscriptionFormModel</name>
    <message>
        <source>Save</source>
        <extracomment>The form&apos;s button that saves an edited subscription</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>The form&apos;s button that adds the new subscription</extracomment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The user&apos;s share of a split subscription beside its slider; %1 is a whole number: &quot;30%&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>tabrino::SubscriptionRowPresenter</name>
    <message>
        <source>%1 · shared %2%</source>
        <extracomment>Under a subscription&apos;s name; %1 is its category (&quot;Streaming&quot;), %2 the user&apos;s share in percent (&quot;50&quot;)</extracomment>
        <translation>%1 · Anteil %2 %</translation>
    </message>
    <message>
        <source>Converted</source>
        <extracomment>Under a price: the subscription&apos;s free trial has ended and it is now paid</extracomment>
        <translation>Kostenpflichtig</translation>
    </message>
    <message>
        <source>Trial converted.</source>
        <extracomment>Spoken for a subscription whose free trial has ended and that is now paid</extracomment>
        <translation>Testphase vorbei, jetzt kostenpflichtig.</translation>
    </message>
    <message>
        <source>End Trial — Keep Subscription</source>
        <extracomment>An entry of a subscription&apos;s context menu: it stops being a free trial and stays as a paid subscription</extracomment>
        <translation>Testphase beenden – Abo behalten</translation>
    </message>
    <message>
        <source>Mark as Trial</source>
        <extracomment>An entry of a subscription&apos;s context menu: it becomes a free trial ending on its next billing date</extracomment>
        <translation>Als Testphase markieren</translation>
    </message>
    <message>
        <source>Converts today</source>
        <extracomment>Under a price: the free trial becomes a paid subscription today</extracomment>
        <translation>Heute kostenpflichtig</translation>
    </message>
    <message>
        <source>Converts tomorrow</source>
        <extracomment>Under a price: the free trial becomes a paid subscription tomorrow</extracomment>
        <translation>Morgen kostenpflichtig</translation>
    </message>
    <message numerus="yes">
        <source>Converts in %Ln days</source>
        <extracomment>Under a price: the free trial becomes a paid subscription in %Ln days (2 or more)</extracomment>
        <translation>
            <numerusform>In %Ln Tag kostenpflichtig</numerusform>
            <numerusform>In %Ln Tagen kostenpflichtig</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>Spoken for a subscription in the list: %1 is its name, %2 its price and cycle (&quot;$9.99 per month&quot;), %3 its category (&quot;Streaming&quot;); a sentence on its next charge follows</extracomment>
        <translation>%1, %2, %3.</translation>
    </message>
    <message>
        <source>Trial converts today.</source>
        <extracomment>Spoken for a subscription on its free trial</extracomment>
        <translation>Testphase endet heute, dann kostenpflichtig.</translation>
    </message>
    <message>
        <source>Trial converts tomorrow.</source>
        <extracomment>Spoken for a subscription on its free trial</extracomment>
        <translation>Testphase endet morgen, dann kostenpflichtig.</translation>
    </message>
    <message numerus="yes">
        <source>Trial converts in %Ln days.</source>
        <extracomment>Spoken for a subscription on its free trial; %Ln is 2 or more</extracomment>
        <translation>
            <numerusform>Testphase endet in %Ln Tag, dann kostenpflichtig.</numerusform>
            <numerusform>Testphase endet in %Ln Tagen, dann kostenpflichtig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renewal overdue.</source>
        <extracomment>Spoken for a subscription whose renewal day has passed</extracomment>
        <translation>Verlängerung überfällig.</translation>
    </message>
    <message>
        <source>Renews today.</source>
        <extracomment>Spoken for a subscription: when it next charges</extracomment>
        <translation>Verlängert sich heute.</translation>
    </message>
    <message>
        <source>Renews tomorrow.</source>
        <extracomment>Spoken for a subscription: when it next charges</extracomment>
        <translation>Verlängert sich morgen.</translation>
    </message>
    <message numerus="yes">
        <source>Renews in %Ln days.</source>
        <extracomment>Spoken for a subscription: when it next charges; %Ln is 2 or more</extracomment>
        <translation>
            <numerusform>Verlängert sich in %Ln Tag.</numerusform>
            <numerusform>Verlängert sich in %Ln Tagen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabrino::TrayLabel</name>
    <message>
        <source>Tabrino. Monthly total about %1.</source>
        <extracomment>The tray item&apos;s tooltip and spoken name; %1 is the monthly total converted into one currency (&quot;$13/mo&quot;)</extracomment>
        <translation>Tabrino. Monatssumme etwa %1</translation>
    </message>
    <message>
        <source>Tabrino. Monthly total %1.</source>
        <extracomment>The tray item&apos;s tooltip and spoken name; %1 is the monthly total (&quot;$13/mo&quot;)</extracomment>
        <translation>Tabrino. Monatssumme %1</translation>
    </message>
    <message>
        <source>A subscription renews within 3 days.</source>
        <extracomment>Added to the tray item&apos;s tooltip and spoken name while a renewal is near</extracomment>
        <translation>Ein Abo verlängert sich in den nächsten 3 Tagen.</translation>
    </message>
</context>
<context>
    <name>tabrino::UpcomingStripPresenter</name>
    <message>
        <source>Nothing renews this week</source>
        <extracomment>In the Up Next strip when no charge falls in the coming seven days</extracomment>
        <translation>Diese Woche verlängert sich nichts</translation>
    </message>
    <message>
        <source>Up next: charges in the coming days</source>
        <extracomment>Spoken name of the Up Next strip, which shows the charges of the coming seven days</extracomment>
        <translation>Demnächst: Abbuchungen der nächsten Tage</translation>
    </message>
</context>
</TS>
