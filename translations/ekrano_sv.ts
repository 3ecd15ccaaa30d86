<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>CaptureCommand</name>
    <message>
        <source>--%1 takes a whole number from 1 to %2, not &apos;%3&apos;</source>
        <translation>--%1 tar ett heltal från 1 till %2, inte ”%3”</translation>
    </message>
    <message>
        <source>--%1 is for a recording: give --record too</source>
        <translation>--%1 gäller en inspelning: ange även --record</translation>
    </message>
    <message>
        <source>--%1 is for a PNG: a recording is drawn at --scale</source>
        <translation>--%1 gäller en PNG: en inspelning ritas i storleken --scale</translation>
    </message>
    <message>
        <source>say which FILE to write the picture to (- for standard output)</source>
        <translation>ange vilken FIL bilden ska skrivas till (- för standard ut)</translation>
    </message>
    <message>
        <source>give one FILE, not %1</source>
        <translation>ange en FIL, inte %1</translation>
    </message>
    <message>
        <source>FILE is empty: say which file to write the picture to (- for standard output)</source>
        <translation>FIL är tom: ange vilken fil bilden ska skrivas till (- för standard ut)</translation>
    </message>
    <message>
        <source>it was closed when ekrano-capture started</source>
        <translation>den var stängd när ekrano-capture startade</translation>
    </message>
    <message>
        <source>nothing reads from the named pipe</source>
        <translation>ingen läser från den namngivna pipen</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standard ut</translation>
    </message>
    <message>
        <source>no screen was recorded</source>
        <translation>ingen skärm spelades in</translation>
    </message>
    <message>
        <source>the recording stopped at one hour</source>
        <translation>inspelningen stoppades efter en timme</translation>
    </message>
    <message>
        <source>cannot make the picture: %1</source>
        <translation>kan inte skapa bilden: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan inte skriva till %1: %2</translation>
    </message>
    <message>
        <source>The PNG (or with --record the GIF) to write; - for standard output.</source>
        <translation>PNG-filen (eller med --record GIF-filen) som skrivs; - för standard ut.</translation>
    </message>
    <message>
        <source>The bare 96 x 64 screen, one pixel a calculator pixel, black on white.</source>
        <translation>Bara skärmen, 96 x 64, en pixel per pixel på räknaren, svart på vitt.</translation>
    </message>
    <message>
        <source>Write what the capture does, for a bug report, to TFILE (- for standard error).</source>
        <translation>Skriv vad avläsningen gör till TFIL, för en felrapport (- för standard fel).</translation>
    </message>
    <message>
        <source>Show where COM1 to COM4 lead, the USB devices (USB0, USB1 ...: link cables and calculators on their own USB port) and whether each can be opened now, then exit.</source>
        <translation>Visa vart COM1 till COM4 leder, USB-enheterna (USB0, USB1 ...: länkkablar och räknare på sin egen USB-port) och om var och en kan öppnas nu, och avsluta sedan.</translation>
    </message>
    <message>
        <source>Record the screen as it changes, for at most an hour, and write it as an animated GIF.</source>
        <translation>Spela in skärmen medan den ändras, högst en timme, och skriv den som animerad GIF.</translation>
    </message>
    <message>
        <source>With --record: stop after N seconds.</source>
        <translation>Med --record: sluta efter N sekunder.</translation>
    </message>
    <message>
        <source>With --record: stop after N screens.</source>
        <translation>Med --record: sluta efter N skärmar.</translation>
    </message>
    <message>
        <source>With --record: draw each calculator pixel as a square of N pixels (1 to 32; 4 if not given).</source>
        <translation>Med --record: rita varje pixel på räknaren som en kvadrat på N pixlar (1 till 32; annars 4).</translation>
    </message>
    <message>
        <source>%1; see ekrano-capture --help</source>
        <translation>%1; se ekrano-capture --help</translation>
    </message>
    <message>
        <source>--trace names the picture&apos;s own file, which would replace the trace</source>
        <translation>--trace anger bildens egen fil, som skulle ersätta spårningen</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>avbrutet</translation>
    </message>
    <message>
        <source>the trace %1 is incomplete: %2</source>
        <translation>spårningen (%1) är ofullständig: %2</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>standard fel</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FIL</translation>
    </message>
    <message>
        <source>TFILE</source>
        <translation>TFIL</translation>
    </message>
    <message>
        <source>cancelled before the first screen: no screen was recorded</source>
        <translation>avbrutet före den första skärmen: ingen skärm spelades in</translation>
    </message>
    <message>
        <source>abandoned while it was written: the recording of %1 and %2 screens is lost</source>
        <translation>avbröts medan den skrevs: inspelningen på %1 och %2 skärmar är förlorad</translation>
    </message>
    <message>
        <source>abandoned while it was written: the recording of %1 and %2 screens is lost, and what went to %3 is incomplete</source>
        <translation>avbröts medan den skrevs: inspelningen på %1 och %2 skärmar är förlorad, och det som gick till %3 är ofullständigt</translation>
    </message>
    <message>
        <source>Writing the recording…</source>
        <translation>Skriver inspelningen…</translation>
    </message>
    <message>
        <source>FILE is %1, the port the capture reads</source>
        <translation>FIL är %1, porten som avläsningen läser</translation>
    </message>
    <message>
        <source>--trace names %1, the port the capture reads</source>
        <translation>--trace anger %1, porten som avläsningen läser</translation>
    </message>
    <message>
        <source>FOLDER is empty: say which folder --all writes the pictures into</source>
        <translation>MAPP är tom: ange vilken mapp --all ska skriva bilderna till</translation>
    </message>
    <message>
        <source>--all writes each picture into FOLDER: give no FILE</source>
        <translation>--all skriver varje bild till MAPP: ange ingen FIL</translation>
    </message>
    <message>
        <source>--%1 is for one calculator, not for --all</source>
        <translation>--%1 gäller en enda räknare, inte --all</translation>
    </message>
    <message>
        <source>--all reads every USB device anyway: --cable takes black or gray with it, for the COM ports</source>
        <translation>--all läser ändå varje USB-enhet: --cable tar då black eller gray, för COM-portarna</translation>
    </message>
    <message>
        <source>cannot write into %1: %2</source>
        <translation>kan inte skriva i mappen %1: %2</translation>
    </message>
    <message>
        <source>no calculator to read: no COM port has a port link, and no link cable or calculator is plugged in by USB</source>
        <translation>ingen räknare att läsa: ingen COM-port har en portlänk, och ingen länkkabel eller räknare är inkopplad via USB</translation>
    </message>
    <message>
        <source>%1 calculators are plugged in, and ekrano-capture --all reads at most %2</source>
        <translation>%1 räknare är inkopplade, och ekrano-capture --all läser högst %2</translation>
    </message>
    <message>
        <source>it is %1, the port a capture reads</source>
        <translation>det är %1, en port som en avläsning läser</translation>
    </message>
    <message>
        <source>cannot read every calculator at once: %1</source>
        <translation>kan inte läsa alla räknare på en gång: %1</translation>
    </message>
    <message>
        <source>Reads the calculator&apos;s screen once with Ekrano&apos;s link settings, draws it with Ekrano&apos;s look and writes it to FILE as a PNG; with --record, reads it over and over until Ctrl-C, SIGTERM, --seconds or --screens and writes what it read to FILE as an animated GIF; with --all FOLDER, reads every calculator plugged in at the same time, each into a PNG of its own in FOLDER. The options change the stored settings for this run only.</source>
        <translation>Läser räknarens skärm en gång med Ekranos anslutningsinställningar, ritar den som Ekrano gör och skriver den som PNG till FIL; med --record läser den skärmen om och om igen tills Ctrl-C, SIGTERM, --seconds eller --screens och skriver det som lästs som animerad GIF till FIL; med --all MAPP läser den alla inkopplade räknare samtidigt, var och en till en egen PNG i MAPP. Alternativen ändrar de sparade inställningarna bara för den här körningen.</translation>
    </message>
    <message>
        <source>Capture every calculator plugged in, all at the same time, each into FOLDER/PLACE.png (COM1.png, USB-1-1.3.png ...), and say on standard output how each went: the COM ports with a port link, on the cable --cable gives (black or gray; else the stored one, or gray), and every USB device. FOLDER is made if it is not there.</source>
        <translation>Läs av alla inkopplade räknare, alla samtidigt, var och en till MAPP/PLATS.png (COM1.png, USB-1-1.3.png ...), och berätta på standard ut hur det gick för var och en: COM-portarna med en portlänk, på den kabel som --cable anger (black eller gray; annars den sparade, eller gray), och varje USB-enhet. MAPP skapas om den inte finns.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>MAPP</translation>
    </message>
    <message>
        <source>--list and --all exclude each other</source>
        <translation>--list och --all utesluter varandra</translation>
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
        <translation>Letar efter räknare…</translation>
    </message>
    <message>
        <source>Show this calculator alone</source>
        <translation>Visa bara den här räknaren</translation>
    </message>
    <message>
        <source>Back to the whole class</source>
        <translation>Tillbaka till hela klassen</translation>
    </message>
    <message>
        <source>Name this calculator...</source>
        <translation>Namnge den här räknaren...</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Helskärm</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausa eller fortsätt</translation>
    </message>
    <message>
        <source>Copy the screen</source>
        <translation>Kopiera skärmen</translation>
    </message>
    <message>
        <source>Save the screen...</source>
        <translation>Spara skärmen...</translation>
    </message>
    <message>
        <source>Record or stop recording</source>
        <translation>Spela in eller sluta spela in</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Calculators read: %1 of %2 · %3 screens/s</source>
        <translation>Lästa räknare: %1 av %2 · %3 skärmar/s</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>%1 more not read: Ekrano Live reads at most %2 calculators at once</source>
        <translation>%1 till läses inte: Ekrano Live läser högst %2 räknare åt gången</translation>
    </message>
    <message>
        <source>Name this calculator</source>
        <translation>Namnge den här räknaren</translation>
    </message>
    <message>
        <source>No calculator is plugged in. Plug calculators in by USB, or make port links for COM1 to COM4 (man ekrano-live).</source>
        <translation>Ingen räknare är ansluten. Anslut räknare via USB, eller skapa portlänkar för COM1 till COM4 (man ekrano-live).</translation>
    </message>
    <message>
        <source>Name to show for the calculator on %1 (leave empty to show %1):</source>
        <translation>Namn som visas för räknaren på %1 (lämna tomt för att visa %1):</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Screenshot to Clipboard</source>
        <translation>&amp;Kopiera skärmen</translation>
    </message>
    <message>
        <source>Grabbing...</source>
        <translation>Läser...</translation>
    </message>
    <message>
        <source>&amp;Screenshot</source>
        <translation>&amp;Skärmbild</translation>
    </message>
    <message>
        <source>the capture failed: %1</source>
        <translation>avläsningen misslyckades: %1</translation>
    </message>
    <message>
        <source>The capture could not start: %1.</source>
        <translation>Avläsningen kunde inte starta: %1.</translation>
    </message>
    <message>
        <source>Ekrano version 2

Pick the port and cable under Link Settings, then press the button: the screen lands on the clipboard.</source>
        <translation>Ekrano version 2

Välj port och kabel under Anslutning och tryck på knappen: skärmen hamnar i urklipp.</translation>
    </message>
    <message>
        <source>Ekrano ver 2.0</source>
        <translation>Ekrano version 2.0</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Ram</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <source>&amp;Link Settings</source>
        <translation>A&amp;nslutning</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Färger</translation>
    </message>
    <message>
        <source>&amp;Foreground</source>
        <translation>&amp;Förgrund</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Bakgrund</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Enfärgad</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Färgtoning</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Vågrät</translation>
    </message>
</context>
<context>
    <name>LiveCalculator</name>
    <message>
        <source>Reading</source>
        <translation>Läser</translation>
    </message>
    <message>
        <source>Waiting for the calculator</source>
        <translation>Väntar på räknaren</translation>
    </message>
    <message>
        <source>The calculator answered wrongly: %1</source>
        <translation>Räknaren svarade fel: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Urkopplad</translation>
    </message>
    <message>
        <source>%1 · %2 screens/s · %3</source>
        <translation>%1 · %2 skärmar/s · %3</translation>
    </message>
    <message>
        <source>Save the screen</source>
        <translation>Spara skärmen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-bilder (*.png)</translation>
    </message>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>The screen could not be saved to %1: %2.</source>
        <translation>Skärmen kunde inte sparas i %1: %2.</translation>
    </message>
</context>
<context>
    <name>LiveRecorder</name>
    <message>
        <source>Recording %1</source>
        <translation>Spelar in %1</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Inspelat %1</translation>
    </message>
    <message>
        <source>%1 · %2 screens</source>
        <translation>%1 · %2 skärmar</translation>
    </message>
    <message>
        <source>%1, stopped at one hour</source>
        <translation>%1, stoppad efter en timme</translation>
    </message>
    <message>
        <source>Save the recording, which stopped at one hour</source>
        <translation>Spara inspelningen, som stoppades efter en timme</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Spara inspelningen</translation>
    </message>
    <message>
        <source>GIF pictures (*.gif)</source>
        <translation>GIF-bilder (*.gif)</translation>
    </message>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>Discard the recording of %1?</source>
        <translation>Kasta inspelningen på %1?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Kasta</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Spara den</translation>
    </message>
    <message>
        <source>The recording could not be saved to %1: %2.

It is kept: choose another place.</source>
        <translation>Inspelningen kunde inte sparas i %1: %2.

Den finns kvar: välj en annan plats.</translation>
    </message>
    <message>
        <source>the recording was saved to %1</source>
        <translation>inspelningen sparades i %1</translation>
    </message>
    <message>
        <source>the recording could not be saved to %1: %2</source>
        <translation>inspelningen kunde inte sparas i %1: %2</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Sparar…</translation>
    </message>
    <message>
        <source>the recording could not be made into a GIF: %1</source>
        <translation>inspelningen kunde inte bli en GIF: %1</translation>
    </message>
    <message>
        <source>the recording could not be saved in %1: %2</source>
        <translation>inspelningen kunde inte sparas i mappen %1: %2</translation>
    </message>
    <message>
        <source>the recording of %1 is lost: no folder could take it</source>
        <translation>inspelningen på %1 är förlorad: ingen mapp kunde ta emot den</translation>
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
        <translation>Helskärm</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausa eller fortsätt</translation>
    </message>
    <message>
        <source>Copy the screen</source>
        <translation>Kopiera skärmen</translation>
    </message>
    <message>
        <source>Save the screen...</source>
        <translation>Spara skärmen...</translation>
    </message>
    <message>
        <source>Record or stop recording</source>
        <translation>Spela in eller sluta spela in</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>TileNames</name>
    <message>
        <source>The names of the calculators could not be read from %1: %2. The names given now hold for this run only; the file is left as it is until it is corrected or removed.</source>
        <translation>Räknarnas namn kunde inte läsas från %1: %2. Namn som ges nu gäller bara tills programmet avslutas; filen lämnas som den är tills den rättas eller tas bort.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>det är ingen vanlig fil</translation>
    </message>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>den är större än %1 kB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>det är ingen UTF-8-text</translation>
    </message>
    <message>
        <source>line %1 is not a place, &quot;=&quot; and a name</source>
        <translation>rad %1 är inte en port, ”=” och ett namn</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>dess mapp kan inte skapas</translation>
    </message>
    <message>
        <source>The names of the calculators could not be saved to %1: %2. The file is left as it was, and the new name holds for this run only.</source>
        <translation>Räknarnas namn kunde inte sparas i %1: %2. Filen lämnas som den var, och det nya namnet gäller bara tills programmet avslutas.</translation>
    </message>
</context>
<context>
    <name>calclink</name>
    <message>
        <source>USB cable</source>
        <translation>USB-kabel</translation>
    </message>
    <message>
        <source>%1, Gray cable</source>
        <translation>%1, grå kabel</translation>
    </message>
    <message>
        <source>%1, Black cable</source>
        <translation>%1, svart kabel</translation>
    </message>
    <message>
        <source>GetScreen needs an open link; Connect was not called or failed.</source>
        <translation>GetScreen behöver en öppen anslutning; Connect anropades inte eller misslyckades.</translation>
    </message>
    <message>
        <source>The screen format %1 is not known; only 26 is.</source>
        <translation>Skärmformatet %1 är okänt; bara 26 är känt.</translation>
    </message>
    <message>
        <source>No screen has been read from the calculator yet.</source>
        <translation>Ingen skärm har lästs från räknaren än.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>okänd</translation>
    </message>
    <message>
        <source>Ekrano Error</source>
        <translation>Ekrano-fel</translation>
    </message>
    <message>
        <source>Error...<byte value="xd"/>
Check calculator, connection, &amp; &apos;Link Settings&apos;</source>
        <translation>Fel...<byte value="xd"/>
Kontrollera räknaren, anslutningen och ”Anslutning”</translation>
    </message>
    <message>
        <source>The device name &quot;%1&quot; is not known; the link knows COM1 to COM4 and \\.\Usb0.</source>
        <translation>Enhetsnamnet ”%1” är okänt; anslutningen känner till COM1 till COM4 och \\.\Usb0.</translation>
    </message>
    <message>
        <source>The port link of %1 cannot be looked up in the ports folder %2: %3. Make it a folder you can read, or remove it to use %4.</source>
        <translation>Portlänken för %1 kan inte slås upp i portmappen %2: %3. Gör den till en mapp som du kan läsa, eller ta bort den för att använda %4.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>Det gick inte att öppna %1: %2.</translation>
    </message>
    <message>
        <source>Setting up %1 failed: %2.</source>
        <translation>Det gick inte att ställa in %1: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <translation>Det gick inte att läsa från %1: %2.</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2.</source>
        <translation>Det gick inte att skriva till %1: %2.</translation>
    </message>
    <message>
        <source>Using the modem lines of %1 failed: %2.</source>
        <translation>Det gick inte att använda modemledningarna på %1: %2.</translation>
    </message>
    <message>
        <source>Setting the modem lines of %1 failed: %2.</source>
        <translation>Det gick inte att ställa in modemledningarna på %1: %2.</translation>
    </message>
    <message>
        <source>Reading the modem lines of %1 failed: %2.</source>
        <translation>Det gick inte att läsa modemledningarna på %1: %2.</translation>
    </message>
    <message>
        <source>This port has no modem lines (DTR, RTS, CTS and DSR), so the Black cable cannot work on it; choose a real serial port or a USB serial adapter, or the Gray cable.</source>
        <translation>Den här porten har inga modemledningar (DTR, RTS, CTS och DSR), så den svarta kabeln kan inte fungera på den; välj en riktig serieport eller en USB-serieadapter, eller den grå kabeln.</translation>
    </message>
    <message>
        <source>it is not a serial port but a folder. Point the port link at one: %1</source>
        <translation>det är ingen serieport utan en mapp. Låt portlänken peka på en: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a named pipe. Point the port link at one: %1</source>
        <translation>det är ingen serieport utan en namngiven pipe. Låt portlänken peka på en: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a socket. Point the port link at one: %1</source>
        <translation>det är ingen serieport utan en socket. Låt portlänken peka på en: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a file. Point the port link at one: %1</source>
        <translation>det är ingen serieport utan en fil. Låt portlänken peka på en: %1</translation>
    </message>
    <message>
        <source>%1: can be opened</source>
        <translation>%1: kan öppnas</translation>
    </message>
    <message>
        <source>%1  cannot be opened: %2</source>
        <translation>%1  kan inte öppnas: %2</translation>
    </message>
    <message>
        <source>%1 (no port link)</source>
        <translation>%1 (ingen portlänk)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: kan inte öppnas: %2</translation>
    </message>
    <message>
        <source>Or point the link at the right device: %1</source>
        <translation>Eller låt länken peka på rätt enhet: %1</translation>
    </message>
    <message>
        <source>%1 is not there: this computer has no %2 of its own. For a USB serial adapter, set a port link: %3</source>
        <translation>%1 finns inte: den här datorn har ingen egen %2. För en USB-serieadapter, skapa en portlänk: %3</translation>
    </message>
    <message>
        <source>it is not a serial port but the system&apos;s terminal %1. Point the port link at one: %2</source>
        <translation>det är ingen serieport utan systemets terminal %1. Låt portlänken peka på en: %2</translation>
    </message>
    <message>
        <source>it is not a serial port but a device of the kind &quot;%1&quot;. Point the port link at one: %2</source>
        <translation>det är ingen serieport utan en enhet av slaget ”%1”. Låt portlänken peka på en: %2</translation>
    </message>
    <message>
        <source>there is no serial port chip behind it. For a USB serial adapter, set a port link: %1</source>
        <translation>det finns inget serieportschip bakom den. För en USB-serieadapter, skapa en portlänk: %1</translation>
    </message>
    <message>
        <source>%1: can be opened; it is a pseudo-terminal, which has no modem lines, so it takes the Gray cable but not the Black one</source>
        <translation>%1: kan öppnas; det är en pseudoterminal utan modemledningar, så den grå kabeln fungerar men inte den svarta</translation>
    </message>
    <message>
        <source>USB   cannot be used on this computer: %1</source>
        <translation>USB   kan inte användas på den här datorn: %1</translation>
    </message>
    <message>
        <source>USB   no USB link cable and no calculator on its own USB port found; the udev rule is not installed</source>
        <translation>USB   ingen USB-länkkabel och ingen räknare på egen USB-port hittades; udev-regeln är inte installerad</translation>
    </message>
    <message>
        <source>USB   no USB link cable and no calculator on its own USB port found; the udev rule is installed (%1)</source>
        <translation>USB   ingen USB-länkkabel och ingen räknare på egen USB-port hittades; udev-regeln är installerad (%1)</translation>
    </message>
    <message>
        <source>The udev rule is not installed.</source>
        <translation>udev-regeln är inte installerad.</translation>
    </message>
    <message>
        <source>The udev rule is installed (%1): plug it in again so that it applies. It gives the device to the user logged in at this computer, not to one logged in from elsewhere.</source>
        <translation>udev-regeln är installerad (%1): koppla in enheten igen så att regeln gäller. Den ger enheten till användaren som är inloggad vid den här datorn, inte till någon som är inloggad någon annanstans ifrån.</translation>
    </message>
    <message>
        <source>Serial ports belong to the dialout group: add yourself to it with &quot;sudo adduser $USER dialout&quot;, then log out and in again.</source>
        <translation>Serieportar tillhör gruppen dialout: lägg till dig själv med ”sudo adduser $USER dialout” och logga sedan ut och in igen.</translation>
    </message>
    <message>
        <source>Another program is using the port; close it and try again.</source>
        <translation>Ett annat program använder porten; stäng det och försök igen.</translation>
    </message>
    <message>
        <source>The port link points to %1, which is not there: is the cable or adapter plugged in?</source>
        <translation>Portlänken pekar på %1, som inte finns: är kabeln eller adaptern inkopplad?</translation>
    </message>
    <message>
        <source>The port link points to %1, which has no device behind it: is the cable or adapter plugged in?</source>
        <translation>Portlänken pekar på %1, som inte har någon enhet bakom sig: är kabeln eller adaptern inkopplad?</translation>
    </message>
    <message>
        <source>Is the cable plugged in, and is this the right port?</source>
        <translation>Är kabeln inkopplad, och är det här rätt port?</translation>
    </message>
    <message>
        <source>It is not a serial port.</source>
        <translation>Det är ingen serieport.</translation>
    </message>
    <message>
        <source>The cable or adapter may have been unplugged.</source>
        <translation>Kabeln eller adaptern kan ha kopplats ur.</translation>
    </message>
    <message>
        <source>The capture was cancelled.</source>
        <translation>Avläsningen avbröts.</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>standard fel</translation>
    </message>
    <message>
        <source>the trace&apos;s file</source>
        <translation>spårningens fil</translation>
    </message>
    <message>
        <source>cannot write the trace to %1: %2</source>
        <translation>kan inte skriva spårningen till %1: %2</translation>
    </message>
    <message>
        <source>its reader fell behind</source>
        <translation>läsaren hann inte med</translation>
    </message>
    <message>
        <source>it could not begin again after %1: %2</source>
        <translation>den kunde inte börja om efter %1: %2</translation>
    </message>
    <message>
        <source>the trace %1 is incomplete: %2</source>
        <translation>spårningen (%1) är ofullständig: %2</translation>
    </message>
    <message>
        <source>The cable code %1 is not known; 1 (Gray), 2 (Black) and 5 (USB) are.</source>
        <translation>Kabelkoden %1 är okänd; 1 (grå), 2 (svart) och 5 (USB) är kända.</translation>
    </message>
    <message>
        <source>The USB cable needs a USB device name, not &quot;%1&quot;.</source>
        <translation>USB-kabeln behöver ett USB-enhetsnamn, inte ”%1”.</translation>
    </message>
    <message>
        <source>A serial cable needs a serial port (COM1 to COM4), not &quot;%1&quot;.</source>
        <translation>En seriekabel behöver en serieport (COM1 till COM4), inte ”%1”.</translation>
    </message>
    <message>
        <source>The USB cable needs the udev rule %1: install it with `sudo make install-udev` in Ekrano&apos;s source folder, then plug the cable in again.</source>
        <translation>USB-kabeln behöver udev-regeln %1: installera den med `sudo make install-udev` i Ekranos källmapp och koppla sedan in kabeln igen.</translation>
    </message>
    <message>
        <source>The cable was pulled out; plug it in again and retry.</source>
        <translation>Kabeln drogs ur; koppla in den igen och försök på nytt.</translation>
    </message>
    <message>
        <source>calculator on its own USB port</source>
        <translation>räknare på egen USB-port</translation>
    </message>
    <message>
        <source>USB link cable</source>
        <translation>USB-länkkabel</translation>
    </message>
    <message>
        <source>Another program is using the cable; close it and try again.</source>
        <translation>Ett annat program använder kabeln; stäng det och försök igen.</translation>
    </message>
    <message>
        <source>%1 means the first USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 är den första USB-enheten (länkkabel eller räknare), men bara %2 är ansluten.</translation>
    </message>
    <message>
        <source>%1 means the first USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 är den första USB-enheten (länkkabel eller räknare), men bara %2 är anslutna.</translation>
    </message>
    <message>
        <source>%1 means the second USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 är den andra USB-enheten (länkkabel eller räknare), men bara %2 är ansluten.</translation>
    </message>
    <message>
        <source>%1 means the second USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 är den andra USB-enheten (länkkabel eller räknare), men bara %2 är anslutna.</translation>
    </message>
    <message>
        <source>%1 means the third USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 är den tredje USB-enheten (länkkabel eller räknare), men bara %2 är ansluten.</translation>
    </message>
    <message>
        <source>%1 means the third USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 är den tredje USB-enheten (länkkabel eller räknare), men bara %2 är anslutna.</translation>
    </message>
    <message>
        <source>%1 means the fourth USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 är den fjärde USB-enheten (länkkabel eller räknare), men bara %2 är ansluten.</translation>
    </message>
    <message>
        <source>%1 means the fourth USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 är den fjärde USB-enheten (länkkabel eller räknare), men bara %2 är anslutna.</translation>
    </message>
    <message>
        <source>%1 means the fifth USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 är den femte USB-enheten (länkkabel eller räknare), men bara %2 är ansluten.</translation>
    </message>
    <message>
        <source>%1 means the fifth USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 är den femte USB-enheten (länkkabel eller räknare), men bara %2 är anslutna.</translation>
    </message>
    <message>
        <source>%1 means the USB device number %3 (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 är USB-enhet nummer %3 (länkkabel eller räknare), men bara %2 är ansluten.</translation>
    </message>
    <message>
        <source>%1 means the USB device number %3 (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 är USB-enhet nummer %3 (länkkabel eller räknare), men bara %2 är anslutna.</translation>
    </message>
    <message>
        <source>USB cannot be used on this computer: %1.</source>
        <translation>USB kan inte användas på den här datorn: %1.</translation>
    </message>
    <message>
        <source>Neither a USB link cable nor a calculator on its own USB port is connected (%1). Plug the link cable into the computer and the calculator, or the calculator straight into the computer with its own USB cable, or choose another cable in the link settings.</source>
        <translation>Varken en USB-länkkabel eller en räknare på egen USB-port är ansluten (%1). Koppla länkkabeln till datorn och räknaren, eller räknaren direkt till datorn med dess egen USB-kabel, eller välj en annan kabel under Anslutning.</translation>
    </message>
    <message>
        <source>it is not a port link but a folder. Move it away and set the link: %1</source>
        <translation>det är ingen portlänk utan en mapp. Flytta undan den och skapa länken: %1</translation>
    </message>
    <message>
        <source>USB   %1, bus %2 address %3 (%4): a calculator with a colour screen, which Ekrano cannot read; it reads the calculators with the 96 x 64 monochrome screen</source>
        <translation>USB   %1, buss %2 adress %3 (%4): en räknare med färgskärm, som Ekrano inte kan läsa; Ekrano läser räknarna med den svartvita skärmen på 96 x 64</translation>
    </message>
    <message>
        <source>calculator with a colour screen</source>
        <translation>räknare med färgskärm</translation>
    </message>
    <message>
        <source>The calculator on its own USB port does not have the 96 x 64 monochrome screen that Ekrano reads, so Ekrano cannot read its screen.</source>
        <translation>Räknaren på egen USB-port har inte den svartvita skärmen på 96 x 64 som Ekrano läser, så Ekrano kan inte läsa dess skärm.</translation>
    </message>
    <message>
        <source>The calculator %1 does not have the 96 x 64 monochrome screen that Ekrano reads, so Ekrano cannot read its screen.</source>
        <translation>Räknaren %1 har inte den svartvita skärmen på 96 x 64 som Ekrano läser, så Ekrano kan inte läsa dess skärm.</translation>
    </message>
    <message>
        <source>The calculator plugged in (%1), %2, has a colour screen, which Ekrano cannot read: Ekrano reads the calculators with the 96 x 64 monochrome screen, on their own USB port or through a link cable.</source>
        <translation>Den anslutna räknaren (%1), %2, har en färgskärm, som Ekrano inte kan läsa: Ekrano läser räknarna med den svartvita skärmen på 96 x 64, på egen USB-port eller via en länkkabel.</translation>
    </message>
    <message>
        <source>USB cable, %1</source>
        <translation>USB-kabel, %1</translation>
    </message>
    <message>
        <source>USB   %1 (%2, %3): %4, bus %5 address %6 (%7)</source>
        <translation>USB   %1 (%2, %3): %4, buss %5 adress %6 (%7)</translation>
    </message>
    <message>
        <source>Neither a USB link cable nor a calculator on its own USB port is plugged in at USB port %2 (%1). Plug it in there again, or see where each one is plugged in with `ekrano-capture --list`.</source>
        <translation>Varken en USB-länkkabel eller en räknare på egen USB-port är ansluten till USB-porten %2 (%1). Anslut enheten där igen, eller se var var och en är ansluten med `ekrano-capture --list`.</translation>
    </message>
</context>
<context>
    <name>choiceoptions</name>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>The cable: black, gray or usb.</source>
        <translation>Kabeln: black (svart), gray (grå) eller usb.</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>kabel</translation>
    </message>
    <message>
        <source>The side of a calculator pixel in screen pixels: 0.1 to 5, in steps of 0.1.</source>
        <translation>Sidan på en pixel på räknaren i skärmpixlar: 0.1 till 5, i steg om 0.1.</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>faktor</translation>
    </message>
    <message>
        <source>Draw the frame.</source>
        <translation>Rita ramen.</translation>
    </message>
    <message>
        <source>Draw no frame.</source>
        <translation>Rita ingen ram.</translation>
    </message>
    <message>
        <source>The colour of the dark pixels and the frame.</source>
        <translation>Färgen på de mörka pixlarna och ramen.</translation>
    </message>
    <message>
        <source>The colour behind them.</source>
        <translation>Färgen bakom dem.</translation>
    </message>
    <message>
        <source>--cable takes black, gray or usb, not &apos;%1&apos;</source>
        <translation>--cable tar black, gray eller usb, inte ”%1”</translation>
    </message>
    <message>
        <source>--port %1 is a USB device, for the USB cable (--cable usb)</source>
        <translation>--port %1 är en USB-enhet, för USB-kabeln (--cable usb)</translation>
    </message>
    <message>
        <source>--zoom takes 0.1 to 5 in steps of 0.1, not &apos;%1&apos;</source>
        <translation>--zoom tar 0.1 till 5 i steg om 0.1, inte ”%1”</translation>
    </message>
    <message>
        <source>--border and --no-border exclude each other</source>
        <translation>--border och --no-border utesluter varandra</translation>
    </message>
    <message>
        <source>--%1 takes a colour as #rrggbb, not &apos;%2&apos;</source>
        <translation>--%1 tar en färg som #rrggbb, inte ”%2”</translation>
    </message>
    <message>
        <source>--port takes USB0 to USB99 for a USB device, not &apos;%1&apos;</source>
        <translation>--port tar USB0 till USB99 för en USB-enhet, inte ”%1”</translation>
    </message>
    <message>
        <source>The serial port: COM1 to COM4; or, with the USB cable, the USB device: USB0 (the first), USB1 ..., link cables and calculators on their own USB port counted together, or where it is plugged in, as --list shows it: USB-1-1.3.</source>
        <translation>Serieporten: COM1 till COM4; eller, med USB-kabeln, USB-enheten: USB0 (den första), USB1 ..., länkkablar och räknare på sin egen USB-port räknade tillsammans, eller var den är ansluten, som --list visar det: USB-1-1.3.</translation>
    </message>
    <message>
        <source>--port takes COM1, COM2, COM3 or COM4, or with the USB cable USB0, USB1 ... or where the device is plugged in, as USB-1-1.3, not &apos;%1&apos;</source>
        <translation>--port tar COM1, COM2, COM3 eller COM4, eller med USB-kabeln USB0, USB1 ... eller var enheten är ansluten, som USB-1-1.3, inte ”%1”</translation>
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
        <translation>Användning: ekrano-calc [ALTERNATIV]...
Spelar en räknare med en skärm på 96 x 64 på en pseudoterminal, talar den grå
kabelns byteström och skriver terminalens sökväg på en rad.

  --link SÖKVÄG         gör även SÖKVÄG till en symbolisk länk till
                        terminalen, till exempel ~/.config/Ekrano/ports/COM1
                        (mappar skapas; en befintlig symbolisk länk ersätts,
                        allt annat lämnas som det är); länken tas bort vid
                        avslut
  --animate             servera en graf som ritas, ett steg längre vid varje
                        begäran, i stället för den inbyggda grafen
  --screen FIL          servera den här PNG- eller PBM-bilden på 96 x 64 i
                        stället för den inbyggda grafen (mörk = under halva
                        luminansen)
  --silent              svara aldrig
  --late MS             svara först efter MS millisekunder (siffror, 0 till
                        600000)
  --bad-checksum once|always
                        skicka skärmen med fel kontrollsumma första gången
                        vid varje begäran (once), eller varje gång (always)
  --wrong-length        skicka 769 byte skärm i stället för 768
  --skip                vägra varje begäran
  --wrong-machine-id    skicka skärmen från ett maskin-id som ingen räknare
                        använder
  --slow-reader MS      läs ingenting under MS millisekunder efter att
                        skärmen skickats, medan indata köas under tiden
  --help                visa den här hjälpen och avsluta

En värd som inte kvitterar en skärm inom 2 s (den sista ACK:en) meddelas på
standard fel. Stoppar vid Ctrl-C (SIGINT) eller SIGTERM.
</translation>
    </message>
    <message>
        <source>Try &apos;ekrano-calc --help&apos;.</source>
        <translation>Försök med ”ekrano-calc --help”.</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 behöver en sökväg</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 behöver en fil</translation>
    </message>
    <message>
        <source>%1 needs a number of milliseconds</source>
        <translation>%1 behöver ett antal millisekunder</translation>
    </message>
    <message>
        <source>%1 takes 0 to 600000 milliseconds, not &apos;%2&apos;</source>
        <translation>%1 tar 0 till 600000 millisekunder, inte ”%2”</translation>
    </message>
    <message>
        <source>%1 needs once or always</source>
        <translation>%1 behöver once eller always</translation>
    </message>
    <message>
        <source>--bad-checksum takes once or always, not &apos;%1&apos;</source>
        <translation>--bad-checksum tar once eller always, inte ”%1”</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>okänt alternativ ”%1”</translation>
    </message>
    <message>
        <source>choose one way to misbehave at a time</source>
        <translation>välj ett sätt att bete sig fel åt gången</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>kan inte skapa mappen %1: %2</translation>
    </message>
    <message>
        <source>%1 exists and is not a symbolic link; not replacing it</source>
        <translation>%1 finns och är ingen symbolisk länk; den ersätts inte</translation>
    </message>
    <message>
        <source>cannot make the link %1: %2</source>
        <translation>kan inte skapa länken %1: %2</translation>
    </message>
    <message>
        <source>%1: a folder, not a picture</source>
        <translation>%1: en mapp, ingen bild</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels; a screen is 96 x 64</source>
        <translation>%1: bilden är %2 x %3 pixlar; en skärm är 96 x 64</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG or PBM): %2</source>
        <translation>%1: ingen bild som kan läsas (PNG eller PBM): %2</translation>
    </message>
</context>
<context>
    <name>ekrano-live</name>
    <message>
        <source>%1; see ekrano-live --help</source>
        <translation>%1; se ekrano-live --help</translation>
    </message>
    <message>
        <source>Shows the calculator&apos;s screen as it changes, read over and over with Ekrano&apos;s link settings and colours. The options change the stored settings for this run only.</source>
        <translation>Visar räknarens skärm medan den ändras, läst om och om igen med Ekranos anslutningsinställningar och färger. Alternativen ändrar de sparade inställningarna bara för den här körningen.</translation>
    </message>
    <message>
        <source>Show every calculator plugged in, side by side: each USB device Ekrano reads, and each COM port with a port link, on the serial cable of --cable (Gray unless Black is given or stored).</source>
        <translation>Visar varje ansluten räknare sida vid sida: varje USB-enhet som Ekrano läser, och varje COM-port med en portlänk, med seriekabeln från --cable (Gray om inte Black anges eller är sparad).</translation>
    </message>
    <message>
        <source>--all reads every calculator, --port names one</source>
        <translation>--all läser varje räknare, --port anger en</translation>
    </message>
    <message>
        <source>--all reads every USB device; its --cable, for the serial ports, is black or gray</source>
        <translation>--all läser varje USB-enhet; --cable gäller då serieportarna och är black eller gray</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>out of memory</source>
        <translation>slut på minne</translation>
    </message>
    <message>
        <source>no screen was recorded</source>
        <translation>ingen skärm spelades in</translation>
    </message>
    <message>
        <source>the scale %1 is not a whole number from 1 to %2</source>
        <translation>storleken %1 är inget heltal från 1 till %2</translation>
    </message>
</context>
<context>
    <name>settingsfile</name>
    <message>
        <source>a folder</source>
        <translation>en mapp</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>en namngiven pipe</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>en teckenenhet</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>en blockenhet</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>en socket</translation>
    </message>
    <message>
        <source>of a kind Ekrano does not know</source>
        <translation>av ett slag som Ekrano inte känner till</translation>
    </message>
    <message>
        <source>it is a link to %1, which is %2, not a file</source>
        <translation>det är en länk till %1, som är %2, inte en fil</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>det är %1, inte en fil</translation>
    </message>
    <message>
        <source>it is %1 bytes, far more than settings take, so it is taken to be damaged</source>
        <translation>den är %1 byte, långt mer än inställningar tar, så den anses vara skadad</translation>
    </message>
    <message>
        <source>Ekrano did not read its settings from %1: %2; the defaults are used.</source>
        <translation>Ekrano läste inte sina inställningar från %1: %2; standardinställningarna används.</translation>
    </message>
    <message>
        <source>Ekrano could not save its settings to %1: %2.</source>
        <translation>Ekrano kunde inte spara sina inställningar i %1: %2.</translation>
    </message>
    <message>
        <source>they could not be read when it started (%1), so the file is kept as it is</source>
        <translation>de kunde inte läsas vid starten (%1), så filen lämnas som den är</translation>
    </message>
    <message>
        <source>the new settings did not read back as they were meant to, so the file is kept as it is</source>
        <translation>de nya inställningarna gick inte att läsa tillbaka som tänkt, så filen lämnas som den är</translation>
    </message>
    <message>
        <source>the new file would be %1 bytes, more than Ekrano reads back</source>
        <translation>den nya filen skulle bli %1 byte, mer än Ekrano läser tillbaka</translation>
    </message>
</context>
</TS>
