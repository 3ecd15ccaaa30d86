<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CaptureCommand</name>
    <message>
        <source>--%1 takes a whole number from 1 to %2, not &apos;%3&apos;</source>
        <translation>--%1 erwartet eine ganze Zahl von 1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>--%1 is for a recording: give --record too</source>
        <translation>--%1 gilt für eine Aufnahme: Geben Sie auch --record an</translation>
    </message>
    <message>
        <source>--%1 is for a PNG: a recording is drawn at --scale</source>
        <translation>--%1 gilt für ein PNG: Eine Aufnahme wird in der Größe --scale gezeichnet</translation>
    </message>
    <message>
        <source>say which FILE to write the picture to (- for standard output)</source>
        <translation>geben Sie die DATEI an, in die das Bild geschrieben wird (- für die Standardausgabe)</translation>
    </message>
    <message>
        <source>give one FILE, not %1</source>
        <translation>geben Sie eine DATEI an, nicht %1</translation>
    </message>
    <message>
        <source>FILE is empty: say which file to write the picture to (- for standard output)</source>
        <translation>DATEI ist leer: Geben Sie die Datei an, in die das Bild geschrieben wird (- für die Standardausgabe)</translation>
    </message>
    <message>
        <source>it was closed when ekrano-capture started</source>
        <translation>er war beim Start von ekrano-capture geschlossen</translation>
    </message>
    <message>
        <source>nothing reads from the named pipe</source>
        <translation>niemand liest aus der benannten Pipe</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>die Standardausgabe</translation>
    </message>
    <message>
        <source>no screen was recorded</source>
        <translation>es wurde kein Bildschirm aufgenommen</translation>
    </message>
    <message>
        <source>the recording stopped at one hour</source>
        <translation>die Aufnahme wurde nach einer Stunde beendet</translation>
    </message>
    <message>
        <source>cannot make the picture: %1</source>
        <translation>das Bild kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The PNG (or with --record the GIF) to write; - for standard output.</source>
        <translation>Das zu schreibende PNG (oder mit --record das GIF); - für die Standardausgabe.</translation>
    </message>
    <message>
        <source>The bare 96 x 64 screen, one pixel a calculator pixel, black on white.</source>
        <translation>Nur der Bildschirm in 96 x 64, ein Pixel je Pixel des Taschenrechners, schwarz auf weiß.</translation>
    </message>
    <message>
        <source>Write what the capture does, for a bug report, to TFILE (- for standard error).</source>
        <translation>Schreibt für einen Fehlerbericht in TDATEI, was beim Auslesen geschieht (- für die Standardfehlerausgabe).</translation>
    </message>
    <message>
        <source>Show where COM1 to COM4 lead, the USB devices (USB0, USB1 ...: link cables and calculators on their own USB port) and whether each can be opened now, then exit.</source>
        <translation>Zeigt, wohin COM1 bis COM4 führen, die USB-Geräte (USB0, USB1 ...: Verbindungskabel und Taschenrechner an ihrem eigenen USB-Anschluss) und ob sich jedes jetzt öffnen lässt, und beendet sich dann.</translation>
    </message>
    <message>
        <source>Record the screen as it changes, for at most an hour, and write it as an animated GIF.</source>
        <translation>Nimmt den Bildschirm auf, während er sich ändert, höchstens eine Stunde lang, und schreibt ihn als animiertes GIF.</translation>
    </message>
    <message>
        <source>With --record: stop after N seconds.</source>
        <translation>Mit --record: nach N Sekunden aufhören.</translation>
    </message>
    <message>
        <source>With --record: stop after N screens.</source>
        <translation>Mit --record: nach N Bildschirmen aufhören.</translation>
    </message>
    <message>
        <source>With --record: draw each calculator pixel as a square of N pixels (1 to 32; 4 if not given).</source>
        <translation>Mit --record: jedes Pixel des Taschenrechners als Quadrat aus N Pixeln zeichnen (1 bis 32; ohne Angabe 4).</translation>
    </message>
    <message>
        <source>%1; see ekrano-capture --help</source>
        <translation>%1; siehe ekrano-capture --help</translation>
    </message>
    <message>
        <source>--trace names the picture&apos;s own file, which would replace the trace</source>
        <translation>--trace nennt die Datei des Bildes selbst, die das Protokoll ersetzen würde</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the trace %1 is incomplete: %2</source>
        <translation>das Protokoll (%1) ist unvollständig: %2</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>Standardfehlerausgabe</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>TFILE</source>
        <translation>TDATEI</translation>
    </message>
    <message>
        <source>cancelled before the first screen: no screen was recorded</source>
        <translation>vor dem ersten Bildschirm abgebrochen: es wurde kein Bildschirm aufgenommen</translation>
    </message>
    <message>
        <source>abandoned while it was written: the recording of %1 and %2 screens is lost</source>
        <translation>beim Schreiben aufgegeben: die Aufnahme von %1 mit %2 Bildschirmen ist verloren</translation>
    </message>
    <message>
        <source>abandoned while it was written: the recording of %1 and %2 screens is lost, and what went to %3 is incomplete</source>
        <translation>beim Schreiben aufgegeben: die Aufnahme von %1 mit %2 Bildschirmen ist verloren, und was an %3 ging, ist unvollständig</translation>
    </message>
    <message>
        <source>Writing the recording…</source>
        <translation>Die Aufnahme wird geschrieben…</translation>
    </message>
    <message>
        <source>FILE is %1, the port the capture reads</source>
        <translation>DATEI ist %1, die Schnittstelle, von der ausgelesen wird</translation>
    </message>
    <message>
        <source>--trace names %1, the port the capture reads</source>
        <translation>--trace nennt %1, die Schnittstelle, von der ausgelesen wird</translation>
    </message>
    <message>
        <source>FOLDER is empty: say which folder --all writes the pictures into</source>
        <translation>ORDNER ist leer: Geben Sie den Ordner an, in den --all die Bilder schreibt</translation>
    </message>
    <message>
        <source>--all writes each picture into FOLDER: give no FILE</source>
        <translation>--all schreibt jedes Bild in ORDNER: Geben Sie keine DATEI an</translation>
    </message>
    <message>
        <source>--%1 is for one calculator, not for --all</source>
        <translation>--%1 gilt für einen einzelnen Taschenrechner, nicht für --all</translation>
    </message>
    <message>
        <source>--all reads every USB device anyway: --cable takes black or gray with it, for the COM ports</source>
        <translation>--all liest ohnehin jedes USB-Gerät: --cable erwartet damit black oder gray, für die COM-Schnittstellen</translation>
    </message>
    <message>
        <source>cannot write into %1: %2</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no calculator to read: no COM port has a port link, and no link cable or calculator is plugged in by USB</source>
        <translation>kein Taschenrechner zum Auslesen: Keine COM-Schnittstelle hat eine Port-Verknüpfung, und weder ein Verbindungskabel noch ein Taschenrechner ist per USB eingesteckt</translation>
    </message>
    <message>
        <source>%1 calculators are plugged in, and ekrano-capture --all reads at most %2</source>
        <translation>%1 Taschenrechner sind eingesteckt, und ekrano-capture --all liest höchstens %2 aus</translation>
    </message>
    <message>
        <source>it is %1, the port a capture reads</source>
        <translation>es ist %1, eine Schnittstelle, von der ausgelesen wird</translation>
    </message>
    <message>
        <source>cannot read every calculator at once: %1</source>
        <translation>nicht alle Taschenrechner lassen sich zugleich auslesen: %1</translation>
    </message>
    <message>
        <source>Reads the calculator&apos;s screen once with Ekrano&apos;s link settings, draws it with Ekrano&apos;s look and writes it to FILE as a PNG; with --record, reads it over and over until Ctrl-C, SIGTERM, --seconds or --screens and writes what it read to FILE as an animated GIF; with --all FOLDER, reads every calculator plugged in at the same time, each into a PNG of its own in FOLDER. The options change the stored settings for this run only.</source>
        <translation>Liest den Bildschirm des Taschenrechners einmal mit den Verbindungseinstellungen von Ekrano, zeichnet ihn, wie Ekrano ihn zeichnet, und schreibt ihn als PNG in DATEI; mit --record liest er ihn immer wieder bis Strg-C, SIGTERM, --seconds oder --screens und schreibt das Gelesene als animiertes GIF in DATEI; mit --all ORDNER liest er jeden eingesteckten Taschenrechner zur selben Zeit aus, jeden in ein eigenes PNG in ORDNER. Die Optionen ändern die gespeicherten Einstellungen nur für diesen Aufruf.</translation>
    </message>
    <message>
        <source>Capture every calculator plugged in, all at the same time, each into FOLDER/PLACE.png (COM1.png, USB-1-1.3.png ...), and say on standard output how each went: the COM ports with a port link, on the cable --cable gives (black or gray; else the stored one, or gray), and every USB device. FOLDER is made if it is not there.</source>
        <translation>Liest jeden eingesteckten Taschenrechner aus, alle zur selben Zeit, jeden in ORDNER/ORT.png (COM1.png, USB-1-1.3.png ...), und sagt auf der Standardausgabe, wie es bei jedem ausging: die COM-Schnittstellen mit einer Port-Verknüpfung, über das Kabel, das --cable angibt (black oder gray; sonst das gespeicherte, oder gray), und jedes USB-Gerät. ORDNER wird angelegt, wenn es ihn noch nicht gibt.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>--list and --all exclude each other</source>
        <translation>--list und --all schließen einander aus</translation>
    </message>
</context>
<context>
    <name>ClassWindow</name>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>Looking for calculators…</source>
        <translation>Taschenrechner werden gesucht…</translation>
    </message>
    <message>
        <source>Show this calculator alone</source>
        <translation>Nur diesen Taschenrechner zeigen</translation>
    </message>
    <message>
        <source>Back to the whole class</source>
        <translation>Zurück zur ganzen Klasse</translation>
    </message>
    <message>
        <source>Name this calculator...</source>
        <translation>Diesen Taschenrechner benennen...</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>Copy the screen</source>
        <translation>Bildschirm kopieren</translation>
    </message>
    <message>
        <source>Save the screen...</source>
        <translation>Bildschirm speichern...</translation>
    </message>
    <message>
        <source>Record or stop recording</source>
        <translation>Aufnahme starten oder beenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Calculators read: %1 of %2 · %3 screens/s</source>
        <translation>Gelesene Taschenrechner: %1 von %2 · %3 Bildschirme/s</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>%1 more not read: Ekrano Live reads at most %2 calculators at once</source>
        <translation>%1 weitere nicht gelesen: Ekrano Live liest höchstens %2 Taschenrechner gleichzeitig</translation>
    </message>
    <message>
        <source>Name this calculator</source>
        <translation>Diesen Taschenrechner benennen</translation>
    </message>
    <message>
        <source>No calculator is plugged in. Plug calculators in by USB, or make port links for COM1 to COM4 (man ekrano-live).</source>
        <translation>Es ist kein Taschenrechner angeschlossen. Schließen Sie Taschenrechner über USB an oder legen Sie Port-Verknüpfungen für COM1 bis COM4 an (man ekrano-live).</translation>
    </message>
    <message>
        <source>Name to show for the calculator on %1 (leave empty to show %1):</source>
        <translation>Anzuzeigender Name für den Taschenrechner an %1 (leer lassen, um %1 anzuzeigen):</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Screenshot to Clipboard</source>
        <translation>&amp;Bildschirm kopieren</translation>
    </message>
    <message>
        <source>Grabbing...</source>
        <translation>Wird gelesen...</translation>
    </message>
    <message>
        <source>&amp;Screenshot</source>
        <translation>&amp;Bildschirmfoto</translation>
    </message>
    <message>
        <source>the capture failed: %1</source>
        <translation>das Auslesen ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The capture could not start: %1.</source>
        <translation>Das Auslesen konnte nicht beginnen: %1.</translation>
    </message>
    <message>
        <source>Ekrano version 2

Pick the port and cable under Link Settings, then press the button: the screen lands on the clipboard.</source>
        <translation>Ekrano Version 2

Anschluss und Kabel unter Verbindung wählen, dann den Knopf drücken: Der Bildschirm kommt in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Ekrano ver 2.0</source>
        <translation>Ekrano Version 2.0</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Link Settings</source>
        <translation>&amp;Verbindung</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Foreground</source>
        <translation>&amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Hintergrund</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
</context>
<context>
    <name>LiveCalculator</name>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Waiting for the calculator</source>
        <translation>Warten auf den Taschenrechner</translation>
    </message>
    <message>
        <source>The calculator answered wrongly: %1</source>
        <translation>Der Taschenrechner hat falsch geantwortet: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Nicht angeschlossen</translation>
    </message>
    <message>
        <source>%1 · %2 screens/s · %3</source>
        <translation>%1 · %2 Bildschirme/s · %3</translation>
    </message>
    <message>
        <source>Save the screen</source>
        <translation>Bildschirm speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>The screen could not be saved to %1: %2.</source>
        <translation>Der Bildschirm konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>LiveRecorder</name>
    <message>
        <source>Recording %1</source>
        <translation>Aufnahme %1</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Aufgenommen %1</translation>
    </message>
    <message>
        <source>%1 · %2 screens</source>
        <translation>%1 · %2 Bildschirme</translation>
    </message>
    <message>
        <source>%1, stopped at one hour</source>
        <translation>%1, nach einer Stunde beendet</translation>
    </message>
    <message>
        <source>Save the recording, which stopped at one hour</source>
        <translation>Aufnahme speichern, die nach einer Stunde beendet wurde</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Aufnahme speichern</translation>
    </message>
    <message>
        <source>GIF pictures (*.gif)</source>
        <translation>GIF-Bilder (*.gif)</translation>
    </message>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>Discard the recording of %1?</source>
        <translation>Die Aufnahme von %1 verwerfen?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The recording could not be saved to %1: %2.

It is kept: choose another place.</source>
        <translation>Die Aufnahme konnte nicht in %1 gespeichert werden: %2.

Sie bleibt erhalten: Wählen Sie einen anderen Ort.</translation>
    </message>
    <message>
        <source>the recording was saved to %1</source>
        <translation>die Aufnahme wurde in %1 gespeichert</translation>
    </message>
    <message>
        <source>the recording could not be saved to %1: %2</source>
        <translation>die Aufnahme konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
    <message>
        <source>the recording could not be made into a GIF: %1</source>
        <translation>aus der Aufnahme konnte kein GIF werden: %1</translation>
    </message>
    <message>
        <source>the recording could not be saved in %1: %2</source>
        <translation>die Aufnahme konnte nicht im Ordner %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the recording of %1 is lost: no folder could take it</source>
        <translation>die Aufnahme von %1 ist verloren: kein Ordner konnte sie aufnehmen</translation>
    </message>
</context>
<context>
    <name>LiveWindow</name>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>Copy the screen</source>
        <translation>Bildschirm kopieren</translation>
    </message>
    <message>
        <source>Save the screen...</source>
        <translation>Bildschirm speichern...</translation>
    </message>
    <message>
        <source>Record or stop recording</source>
        <translation>Aufnahme starten oder beenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TileNames</name>
    <message>
        <source>The names of the calculators could not be read from %1: %2. The names given now hold for this run only; the file is left as it is until it is corrected or removed.</source>
        <translation>Die Namen der Taschenrechner konnten nicht aus %1 gelesen werden: %2. Jetzt vergebene Namen gelten nur bis zum Beenden; die Datei bleibt unverändert, bis sie korrigiert oder entfernt wird.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>die Datei ist größer als %1 KB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>es ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>line %1 is not a place, &quot;=&quot; and a name</source>
        <translation>Zeile %1 besteht nicht aus einem Anschluss, „=“ und einem Namen</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The names of the calculators could not be saved to %1: %2. The file is left as it was, and the new name holds for this run only.</source>
        <translation>Die Namen der Taschenrechner konnten nicht in %1 gespeichert werden: %2. Die Datei bleibt, wie sie war, und der neue Name gilt nur bis zum Beenden.</translation>
    </message>
</context>
<context>
    <name>calclink</name>
    <message>
        <source>USB cable</source>
        <translation>USB-Kabel</translation>
    </message>
    <message>
        <source>%1, Gray cable</source>
        <translation>%1, graues Kabel</translation>
    </message>
    <message>
        <source>%1, Black cable</source>
        <translation>%1, schwarzes Kabel</translation>
    </message>
    <message>
        <source>GetScreen needs an open link; Connect was not called or failed.</source>
        <translation>GetScreen braucht eine offene Verbindung; Connect wurde nicht aufgerufen oder ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The screen format %1 is not known; only 26 is.</source>
        <translation>Das Bildschirmformat %1 ist unbekannt; nur 26 ist bekannt.</translation>
    </message>
    <message>
        <source>No screen has been read from the calculator yet.</source>
        <translation>Vom Taschenrechner wurde noch kein Bildschirm gelesen.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Ekrano Error</source>
        <translation>Ekrano-Fehler</translation>
    </message>
    <message>
        <source>Error...<byte value="xd"/>
Check calculator, connection, &amp; &apos;Link Settings&apos;</source>
        <translation>Fehler...<byte value="xd"/>
Prüfen Sie Taschenrechner, Anschluss und „Verbindung“</translation>
    </message>
    <message>
        <source>The device name &quot;%1&quot; is not known; the link knows COM1 to COM4 and \\.\Usb0.</source>
        <translation>Der Gerätename „%1“ ist unbekannt; die Verbindung kennt COM1 bis COM4 und \\.\Usb0.</translation>
    </message>
    <message>
        <source>The port link of %1 cannot be looked up in the ports folder %2: %3. Make it a folder you can read, or remove it to use %4.</source>
        <translation>Die Port-Verknüpfung von %1 lässt sich im Ordner der Ports %2 nicht nachschlagen: %3. Machen Sie ihn zu einem Ordner, den Sie lesen dürfen, oder entfernen Sie ihn, um %4 zu verwenden.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>Das Öffnen von %1 ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Setting up %1 failed: %2.</source>
        <translation>Das Einrichten von %1 ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <translation>Das Lesen von %1 ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2.</source>
        <translation>Das Schreiben auf %1 ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Using the modem lines of %1 failed: %2.</source>
        <translation>Das Verwenden der Modemleitungen von %1 ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Setting the modem lines of %1 failed: %2.</source>
        <translation>Das Setzen der Modemleitungen von %1 ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Reading the modem lines of %1 failed: %2.</source>
        <translation>Das Lesen der Modemleitungen von %1 ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>This port has no modem lines (DTR, RTS, CTS and DSR), so the Black cable cannot work on it; choose a real serial port or a USB serial adapter, or the Gray cable.</source>
        <translation>Diese Schnittstelle hat keine Modemleitungen (DTR, RTS, CTS und DSR), darum kann das schwarze Kabel an ihr nicht arbeiten; wählen Sie eine echte serielle Schnittstelle oder einen USB-Seriell-Adapter oder das graue Kabel.</translation>
    </message>
    <message>
        <source>it is not a serial port but a folder. Point the port link at one: %1</source>
        <translation>es ist keine serielle Schnittstelle, sondern ein Ordner. Lassen Sie die Port-Verknüpfung auf eine zeigen: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a named pipe. Point the port link at one: %1</source>
        <translation>es ist keine serielle Schnittstelle, sondern eine benannte Pipe. Lassen Sie die Port-Verknüpfung auf eine zeigen: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a socket. Point the port link at one: %1</source>
        <translation>es ist keine serielle Schnittstelle, sondern ein Socket. Lassen Sie die Port-Verknüpfung auf eine zeigen: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a file. Point the port link at one: %1</source>
        <translation>es ist keine serielle Schnittstelle, sondern eine Datei. Lassen Sie die Port-Verknüpfung auf eine zeigen: %1</translation>
    </message>
    <message>
        <source>%1: can be opened</source>
        <translation>%1: lässt sich öffnen</translation>
    </message>
    <message>
        <source>%1  cannot be opened: %2</source>
        <translation>%1  lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>%1 (no port link)</source>
        <translation>%1 (keine Port-Verknüpfung)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Or point the link at the right device: %1</source>
        <translation>Oder lassen Sie die Verknüpfung auf das richtige Gerät zeigen: %1</translation>
    </message>
    <message>
        <source>%1 is not there: this computer has no %2 of its own. For a USB serial adapter, set a port link: %3</source>
        <translation>%1 gibt es nicht: Dieser Computer hat kein eigenes %2. Für einen USB-Seriell-Adapter legen Sie eine Port-Verknüpfung an: %3</translation>
    </message>
    <message>
        <source>it is not a serial port but the system&apos;s terminal %1. Point the port link at one: %2</source>
        <translation>es ist keine serielle Schnittstelle, sondern das Terminal %1 des Systems. Lassen Sie die Port-Verknüpfung auf eine zeigen: %2</translation>
    </message>
    <message>
        <source>it is not a serial port but a device of the kind &quot;%1&quot;. Point the port link at one: %2</source>
        <translation>es ist keine serielle Schnittstelle, sondern ein Gerät der Art „%1“. Lassen Sie die Port-Verknüpfung auf eine zeigen: %2</translation>
    </message>
    <message>
        <source>there is no serial port chip behind it. For a USB serial adapter, set a port link: %1</source>
        <translation>dahinter steckt kein Chip einer seriellen Schnittstelle. Für einen USB-Seriell-Adapter legen Sie eine Port-Verknüpfung an: %1</translation>
    </message>
    <message>
        <source>%1: can be opened; it is a pseudo-terminal, which has no modem lines, so it takes the Gray cable but not the Black one</source>
        <translation>%1: lässt sich öffnen; es ist ein Pseudo-Terminal ohne Modemleitungen, also geht das graue Kabel, das schwarze nicht</translation>
    </message>
    <message>
        <source>USB   cannot be used on this computer: %1</source>
        <translation>USB   lässt sich auf diesem Computer nicht verwenden: %1</translation>
    </message>
    <message>
        <source>USB   no USB link cable and no calculator on its own USB port found; the udev rule is not installed</source>
        <translation>USB   kein USB-Verbindungskabel und kein Taschenrechner am eigenen USB-Anschluss gefunden; die udev-Regel ist nicht installiert</translation>
    </message>
    <message>
        <source>USB   no USB link cable and no calculator on its own USB port found; the udev rule is installed (%1)</source>
        <translation>USB   kein USB-Verbindungskabel und kein Taschenrechner am eigenen USB-Anschluss gefunden; die udev-Regel ist installiert (%1)</translation>
    </message>
    <message>
        <source>The udev rule is not installed.</source>
        <translation>Die udev-Regel ist nicht installiert.</translation>
    </message>
    <message>
        <source>The udev rule is installed (%1): plug it in again so that it applies. It gives the device to the user logged in at this computer, not to one logged in from elsewhere.</source>
        <translation>Die udev-Regel ist installiert (%1): Stecken Sie das Gerät neu ein, damit sie greift. Sie gibt das Gerät dem Benutzer, der an diesem Computer angemeldet ist, nicht einem, der von anderswo angemeldet ist.</translation>
    </message>
    <message>
        <source>Serial ports belong to the dialout group: add yourself to it with &quot;sudo adduser $USER dialout&quot;, then log out and in again.</source>
        <translation>Serielle Schnittstellen gehören der Gruppe dialout: Treten Sie ihr mit „sudo adduser $USER dialout“ bei, dann melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>Another program is using the port; close it and try again.</source>
        <translation>Ein anderes Programm verwendet die Schnittstelle; schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The port link points to %1, which is not there: is the cable or adapter plugged in?</source>
        <translation>Die Port-Verknüpfung zeigt auf %1, das es nicht gibt: Ist das Kabel oder der Adapter eingesteckt?</translation>
    </message>
    <message>
        <source>The port link points to %1, which has no device behind it: is the cable or adapter plugged in?</source>
        <translation>Die Port-Verknüpfung zeigt auf %1, hinter dem kein Gerät steckt: Ist das Kabel oder der Adapter eingesteckt?</translation>
    </message>
    <message>
        <source>Is the cable plugged in, and is this the right port?</source>
        <translation>Ist das Kabel eingesteckt, und ist das die richtige Schnittstelle?</translation>
    </message>
    <message>
        <source>It is not a serial port.</source>
        <translation>Es ist keine serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>The cable or adapter may have been unplugged.</source>
        <translation>Das Kabel oder der Adapter wurde vielleicht herausgezogen.</translation>
    </message>
    <message>
        <source>The capture was cancelled.</source>
        <translation>Das Auslesen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>Standardfehlerausgabe</translation>
    </message>
    <message>
        <source>the trace&apos;s file</source>
        <translation>Datei des Protokolls</translation>
    </message>
    <message>
        <source>cannot write the trace to %1: %2</source>
        <translation>das Protokoll kann nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>its reader fell behind</source>
        <translation>sein Leser kam nicht mehr nach</translation>
    </message>
    <message>
        <source>it could not begin again after %1: %2</source>
        <translation>es konnte nach %1 nicht neu beginnen: %2</translation>
    </message>
    <message>
        <source>the trace %1 is incomplete: %2</source>
        <translation>das Protokoll (%1) ist unvollständig: %2</translation>
    </message>
    <message>
        <source>The cable code %1 is not known; 1 (Gray), 2 (Black) and 5 (USB) are.</source>
        <translation>Der Kabelcode %1 ist unbekannt; bekannt sind 1 (grau), 2 (schwarz) und 5 (USB).</translation>
    </message>
    <message>
        <source>The USB cable needs a USB device name, not &quot;%1&quot;.</source>
        <translation>Das USB-Kabel braucht einen USB-Gerätenamen, nicht „%1“.</translation>
    </message>
    <message>
        <source>A serial cable needs a serial port (COM1 to COM4), not &quot;%1&quot;.</source>
        <translation>Ein serielles Kabel braucht eine serielle Schnittstelle (COM1 bis COM4), nicht „%1“.</translation>
    </message>
    <message>
        <source>The USB cable needs the udev rule %1: install it with `sudo make install-udev` in Ekrano&apos;s source folder, then plug the cable in again.</source>
        <translation>Das USB-Kabel braucht die udev-Regel %1: Installieren Sie sie mit `sudo make install-udev` im Quellordner von Ekrano, dann stecken Sie das Kabel neu ein.</translation>
    </message>
    <message>
        <source>The cable was pulled out; plug it in again and retry.</source>
        <translation>Das Kabel wurde herausgezogen; stecken Sie es wieder ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>calculator on its own USB port</source>
        <translation>Taschenrechner am eigenen USB-Anschluss</translation>
    </message>
    <message>
        <source>USB link cable</source>
        <translation>USB-Verbindungskabel</translation>
    </message>
    <message>
        <source>Another program is using the cable; close it and try again.</source>
        <translation>Ein anderes Programm verwendet das Kabel; schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 means the first USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 bezeichnet das erste USB-Gerät (Verbindungskabel oder Taschenrechner), aber nur %2 ist angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the first USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 bezeichnet das erste USB-Gerät (Verbindungskabel oder Taschenrechner), aber nur %2 sind angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the second USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 bezeichnet das zweite USB-Gerät (Verbindungskabel oder Taschenrechner), aber nur %2 ist angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the second USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 bezeichnet das zweite USB-Gerät (Verbindungskabel oder Taschenrechner), aber nur %2 sind angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the third USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 bezeichnet das dritte USB-Gerät (Verbindungskabel oder Taschenrechner), aber nur %2 ist angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the third USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 bezeichnet das dritte USB-Gerät (Verbindungskabel oder Taschenrechner), aber nur %2 sind angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the fourth USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 bezeichnet das vierte USB-Gerät (Verbindungskabel oder Taschenrechner), aber nur %2 ist angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the fourth USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 bezeichnet das vierte USB-Gerät (Verbindungskabel oder Taschenrechner), aber nur %2 sind angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the fifth USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 bezeichnet das fünfte USB-Gerät (Verbindungskabel oder Taschenrechner), aber nur %2 ist angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the fifth USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 bezeichnet das fünfte USB-Gerät (Verbindungskabel oder Taschenrechner), aber nur %2 sind angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the USB device number %3 (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 bezeichnet das USB-Gerät Nummer %3 (Verbindungskabel oder Taschenrechner), aber nur %2 ist angeschlossen.</translation>
    </message>
    <message>
        <source>%1 means the USB device number %3 (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 bezeichnet das USB-Gerät Nummer %3 (Verbindungskabel oder Taschenrechner), aber nur %2 sind angeschlossen.</translation>
    </message>
    <message>
        <source>USB cannot be used on this computer: %1.</source>
        <translation>USB lässt sich auf diesem Computer nicht verwenden: %1.</translation>
    </message>
    <message>
        <source>Neither a USB link cable nor a calculator on its own USB port is connected (%1). Plug the link cable into the computer and the calculator, or the calculator straight into the computer with its own USB cable, or choose another cable in the link settings.</source>
        <translation>Weder ein USB-Verbindungskabel noch ein Taschenrechner am eigenen USB-Anschluss ist angeschlossen (%1). Stecken Sie das Verbindungskabel in Computer und Taschenrechner, oder den Taschenrechner mit seinem eigenen USB-Kabel direkt in den Computer, oder wählen Sie unter Verbindung ein anderes Kabel.</translation>
    </message>
    <message>
        <source>it is not a port link but a folder. Move it away and set the link: %1</source>
        <translation>es ist keine Port-Verknüpfung, sondern ein Ordner. Verschieben Sie ihn und legen Sie die Verknüpfung an: %1</translation>
    </message>
    <message>
        <source>USB   %1, bus %2 address %3 (%4): a calculator with a colour screen, which Ekrano cannot read; it reads the calculators with the 96 x 64 monochrome screen</source>
        <translation>USB   %1, Bus %2 Adresse %3 (%4): ein Taschenrechner mit Farbbildschirm, den Ekrano nicht lesen kann; Ekrano liest die Taschenrechner mit dem einfarbigen Bildschirm von 96 x 64</translation>
    </message>
    <message>
        <source>calculator with a colour screen</source>
        <translation>Taschenrechner mit Farbbildschirm</translation>
    </message>
    <message>
        <source>The calculator on its own USB port does not have the 96 x 64 monochrome screen that Ekrano reads, so Ekrano cannot read its screen.</source>
        <translation>Der Taschenrechner am eigenen USB-Anschluss hat nicht den einfarbigen Bildschirm von 96 x 64, den Ekrano liest; Ekrano kann seinen Bildschirm daher nicht lesen.</translation>
    </message>
    <message>
        <source>The calculator %1 does not have the 96 x 64 monochrome screen that Ekrano reads, so Ekrano cannot read its screen.</source>
        <translation>Der Taschenrechner %1 hat nicht den einfarbigen Bildschirm von 96 x 64, den Ekrano liest; Ekrano kann seinen Bildschirm daher nicht lesen.</translation>
    </message>
    <message>
        <source>The calculator plugged in (%1), %2, has a colour screen, which Ekrano cannot read: Ekrano reads the calculators with the 96 x 64 monochrome screen, on their own USB port or through a link cable.</source>
        <translation>Der angeschlossene Taschenrechner (%1), %2, hat einen Farbbildschirm, den Ekrano nicht lesen kann: Ekrano liest die Taschenrechner mit dem einfarbigen Bildschirm von 96 x 64, am eigenen USB-Anschluss oder über ein Verbindungskabel.</translation>
    </message>
    <message>
        <source>USB cable, %1</source>
        <translation>USB-Kabel, %1</translation>
    </message>
    <message>
        <source>USB   %1 (%2, %3): %4, bus %5 address %6 (%7)</source>
        <translation>USB   %1 (%2, %3): %4, Bus %5 Adresse %6 (%7)</translation>
    </message>
    <message>
        <source>Neither a USB link cable nor a calculator on its own USB port is plugged in at USB port %2 (%1). Plug it in there again, or see where each one is plugged in with `ekrano-capture --list`.</source>
        <translation>Am USB-Anschluss %2 steckt weder ein USB-Verbindungskabel noch ein Taschenrechner am eigenen USB-Anschluss (%1). Stecken Sie das Gerät dort wieder ein, oder sehen Sie mit `ekrano-capture --list` nach, wo jedes Gerät steckt.</translation>
    </message>
</context>
<context>
    <name>choiceoptions</name>
    <message>
        <source>port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The cable: black, gray or usb.</source>
        <translation>Das Kabel: black (schwarz), gray (grau) oder usb.</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>The side of a calculator pixel in screen pixels: 0.1 to 5, in steps of 0.1.</source>
        <translation>Die Seite eines Pixels des Taschenrechners in Bildschirmpixeln: 0.1 bis 5, in Schritten von 0.1.</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Draw the frame.</source>
        <translation>Den Rahmen zeichnen.</translation>
    </message>
    <message>
        <source>Draw no frame.</source>
        <translation>Keinen Rahmen zeichnen.</translation>
    </message>
    <message>
        <source>The colour of the dark pixels and the frame.</source>
        <translation>Die Farbe der dunklen Pixel und des Rahmens.</translation>
    </message>
    <message>
        <source>The colour behind them.</source>
        <translation>Die Farbe dahinter.</translation>
    </message>
    <message>
        <source>--cable takes black, gray or usb, not &apos;%1&apos;</source>
        <translation>--cable erwartet black, gray oder usb, nicht „%1“</translation>
    </message>
    <message>
        <source>--port %1 is a USB device, for the USB cable (--cable usb)</source>
        <translation>--port %1 ist ein USB-Gerät, für das USB-Kabel (--cable usb)</translation>
    </message>
    <message>
        <source>--zoom takes 0.1 to 5 in steps of 0.1, not &apos;%1&apos;</source>
        <translation>--zoom erwartet 0.1 bis 5 in Schritten von 0.1, nicht „%1“</translation>
    </message>
    <message>
        <source>--border and --no-border exclude each other</source>
        <translation>--border und --no-border schließen einander aus</translation>
    </message>
    <message>
        <source>--%1 takes a colour as #rrggbb, not &apos;%2&apos;</source>
        <translation>--%1 erwartet eine Farbe als #rrggbb, nicht „%2“</translation>
    </message>
    <message>
        <source>--port takes USB0 to USB99 for a USB device, not &apos;%1&apos;</source>
        <translation>--port erwartet für ein USB-Gerät USB0 bis USB99, nicht „%1“</translation>
    </message>
    <message>
        <source>The serial port: COM1 to COM4; or, with the USB cable, the USB device: USB0 (the first), USB1 ..., link cables and calculators on their own USB port counted together, or where it is plugged in, as --list shows it: USB-1-1.3.</source>
        <translation>Die serielle Schnittstelle: COM1 bis COM4; oder mit dem USB-Kabel das USB-Gerät: USB0 (das erste), USB1 ..., Verbindungskabel und Taschenrechner am eigenen USB-Anschluss zusammen gezählt, oder wo es steckt, wie --list es zeigt: USB-1-1.3.</translation>
    </message>
    <message>
        <source>--port takes COM1, COM2, COM3 or COM4, or with the USB cable USB0, USB1 ... or where the device is plugged in, as USB-1-1.3, not &apos;%1&apos;</source>
        <translation>--port erwartet COM1, COM2, COM3 oder COM4 oder mit dem USB-Kabel USB0, USB1 ... oder die Stelle, an der das Gerät steckt, etwa USB-1-1.3, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>ekrano-calc</name>
    <message>
        <source>Usage: ekrano-calc [OPTION]...
Plays a calculator with a 96 x 64 screen on a pseudo-terminal, speaking the
Gray cable&apos;s byte stream, and prints the terminal&apos;s path on one line.

  --link PATH           also make PATH a symbolic link to the terminal, for
                        example ~/.config/Ekrano/ports/COM1 (folders are made;
                        an existing symbolic link is replaced, anything else
                        is left alone); the link is removed on exit
  --animate             serve a graph being drawn, a step further at every
                        request, instead of the built-in graph
  --screen FILE         serve this 96 x 64 PNG or PBM picture instead of the
                        built-in graph (dark = below half luminance)
  --silent              never answer
  --late MS             answer only after MS milliseconds (digits, 0 to 600000)
  --bad-checksum once|always
                        send the screen with a wrong checksum the first time
                        of every request, or every time
  --wrong-length        send 769 bytes of screen instead of 768
  --skip                refuse every request
  --wrong-machine-id    send the screen from a machine id no calculator uses
  --slow-reader MS      after sending the screen, read nothing for MS
                        milliseconds, with its input backed up meanwhile
  --help                show this and exit

A host that does not acknowledge a screen within 2 s (the final ACK) is told
on standard error. Stops on Ctrl-C (SIGINT) or SIGTERM.
</source>
        <translation>Aufruf: ekrano-calc [OPTION]...
Spielt einen Taschenrechner mit 96 x 64 Bildschirm auf einem Pseudo-Terminal,
spricht den Bytestrom des grauen Kabels und gibt den Pfad des Terminals in
einer Zeile aus.

  --link PFAD           macht PFAD außerdem zu einer symbolischen Verknüpfung
                        auf das Terminal, zum Beispiel
                        ~/.config/Ekrano/ports/COM1 (Ordner werden angelegt;
                        eine vorhandene symbolische Verknüpfung wird ersetzt,
                        alles andere bleibt, wie es ist); die Verknüpfung wird
                        beim Beenden entfernt
  --animate             liefert einen Graphen, der gezeichnet wird, bei jeder
                        Anfrage einen Schritt weiter, statt des eingebauten
  --screen DATEI        liefert dieses PNG- oder PBM-Bild mit 96 x 64 statt
                        des eingebauten Graphen (dunkel = unter der halben
                        Helligkeit)
  --silent              antwortet nie
  --late MS             antwortet erst nach MS Millisekunden (Ziffern, 0 bis
                        600000)
  --bad-checksum once|always
                        sendet den Bildschirm mit falscher Prüfsumme beim
                        ersten Mal jeder Anfrage (once) oder jedes Mal
                        (always)
  --wrong-length        sendet 769 Bytes Bildschirm statt 768
  --skip                lehnt jede Anfrage ab
  --wrong-machine-id    sendet den Bildschirm mit einer Gerätekennung, die
                        kein Taschenrechner verwendet
  --slow-reader MS      liest nach dem Senden des Bildschirms MS Millisekunden
                        lang nichts und lässt die Eingabe sich so lange stauen
  --help                zeigt diese Hilfe und beendet sich

Ein Host, der einen Bildschirm nicht innerhalb von 2 s bestätigt (das letzte
ACK), wird auf der Standardfehlerausgabe gemeldet. Endet mit Strg-C (SIGINT)
oder SIGTERM.
</translation>
    </message>
    <message>
        <source>Try &apos;ekrano-calc --help&apos;.</source>
        <translation>Versuchen Sie „ekrano-calc --help“.</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 braucht einen Pfad</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 braucht eine Datei</translation>
    </message>
    <message>
        <source>%1 needs a number of milliseconds</source>
        <translation>%1 braucht eine Anzahl Millisekunden</translation>
    </message>
    <message>
        <source>%1 takes 0 to 600000 milliseconds, not &apos;%2&apos;</source>
        <translation>%1 erwartet 0 bis 600000 Millisekunden, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 needs once or always</source>
        <translation>%1 braucht once oder always</translation>
    </message>
    <message>
        <source>--bad-checksum takes once or always, not &apos;%1&apos;</source>
        <translation>--bad-checksum erwartet once oder always, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>choose one way to misbehave at a time</source>
        <translation>wählen Sie jeweils nur eine Art, sich falsch zu verhalten</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 exists and is not a symbolic link; not replacing it</source>
        <translation>%1 gibt es schon und ist keine symbolische Verknüpfung; es wird nicht ersetzt</translation>
    </message>
    <message>
        <source>cannot make the link %1: %2</source>
        <translation>die Verknüpfung %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1: a folder, not a picture</source>
        <translation>%1: ein Ordner, kein Bild</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels; a screen is 96 x 64</source>
        <translation>%1: das Bild hat %2 x %3 Pixel; ein Bildschirm hat 96 x 64</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG or PBM): %2</source>
        <translation>%1: kein lesbares Bild (PNG oder PBM): %2</translation>
    </message>
</context>
<context>
    <name>ekrano-live</name>
    <message>
        <source>%1; see ekrano-live --help</source>
        <translation>%1; siehe ekrano-live --help</translation>
    </message>
    <message>
        <source>Shows the calculator&apos;s screen as it changes, read over and over with Ekrano&apos;s link settings and colours. The options change the stored settings for this run only.</source>
        <translation>Zeigt den Bildschirm des Taschenrechners, während er sich ändert, immer wieder gelesen mit den Verbindungseinstellungen und Farben von Ekrano. Die Optionen ändern die gespeicherten Einstellungen nur für diesen Aufruf.</translation>
    </message>
    <message>
        <source>Show every calculator plugged in, side by side: each USB device Ekrano reads, and each COM port with a port link, on the serial cable of --cable (Gray unless Black is given or stored).</source>
        <translation>Zeigt jeden angeschlossenen Taschenrechner nebeneinander: jedes USB-Gerät, das Ekrano liest, und jede COM-Schnittstelle mit einer Port-Verknüpfung, über das serielle Kabel von --cable (Gray, sofern nicht Black angegeben oder gespeichert ist).</translation>
    </message>
    <message>
        <source>--all reads every calculator, --port names one</source>
        <translation>--all liest jeden Taschenrechner, --port nennt einen</translation>
    </message>
    <message>
        <source>--all reads every USB device; its --cable, for the serial ports, is black or gray</source>
        <translation>--all liest jedes USB-Gerät; --cable gilt dabei für die seriellen Schnittstellen und ist black oder gray</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>no screen was recorded</source>
        <translation>es wurde kein Bildschirm aufgenommen</translation>
    </message>
    <message>
        <source>the scale %1 is not a whole number from 1 to %2</source>
        <translation>die Größe %1 ist keine ganze Zahl von 1 bis %2</translation>
    </message>
</context>
<context>
    <name>settingsfile</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>of a kind Ekrano does not know</source>
        <translation>von einer Art, die Ekrano nicht kennt</translation>
    </message>
    <message>
        <source>it is a link to %1, which is %2, not a file</source>
        <translation>es ist eine Verknüpfung auf %1, und das ist %2, keine Datei</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>es ist %1, keine Datei</translation>
    </message>
    <message>
        <source>it is %1 bytes, far more than settings take, so it is taken to be damaged</source>
        <translation>sie hat %1 Bytes, weit mehr als Einstellungen brauchen, und gilt darum als beschädigt</translation>
    </message>
    <message>
        <source>Ekrano did not read its settings from %1: %2; the defaults are used.</source>
        <translation>Ekrano hat seine Einstellungen nicht aus %1 gelesen: %2; es gelten die Voreinstellungen.</translation>
    </message>
    <message>
        <source>Ekrano could not save its settings to %1: %2.</source>
        <translation>Ekrano konnte seine Einstellungen nicht in %1 speichern: %2.</translation>
    </message>
    <message>
        <source>they could not be read when it started (%1), so the file is kept as it is</source>
        <translation>sie konnten beim Start nicht gelesen werden (%1), darum bleibt die Datei, wie sie ist</translation>
    </message>
    <message>
        <source>the new settings did not read back as they were meant to, so the file is kept as it is</source>
        <translation>die neuen Einstellungen ließen sich nicht wie vorgesehen zurücklesen, darum bleibt die Datei, wie sie ist</translation>
    </message>
    <message>
        <source>the new file would be %1 bytes, more than Ekrano reads back</source>
        <translation>die neue Datei hätte %1 Bytes, mehr als Ekrano zurückliest</translation>
    </message>
</context>
</TS>
