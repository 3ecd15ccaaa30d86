<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CaptureCommand</name>
    <message>
        <source>--%1 takes a whole number from 1 to %2, not &apos;%3&apos;</source>
        <translation>--%1 verwacht een geheel getal van 1 tot en met %2, niet &apos;%3&apos;</translation>
    </message>
    <message>
        <source>--%1 is for a recording: give --record too</source>
        <translation>--%1 is voor een opname: geef ook --record op</translation>
    </message>
    <message>
        <source>--%1 is for a PNG: a recording is drawn at --scale</source>
        <translation>--%1 is voor een PNG: een opname wordt getekend op de grootte --scale</translation>
    </message>
    <message>
        <source>say which FILE to write the picture to (- for standard output)</source>
        <translation>geef op naar welk BESTAND de afbeelding geschreven moet worden (- voor de standaarduitvoer)</translation>
    </message>
    <message>
        <source>give one FILE, not %1</source>
        <translation>geef één BESTAND op, niet %1</translation>
    </message>
    <message>
        <source>FILE is empty: say which file to write the picture to (- for standard output)</source>
        <translation>BESTAND is leeg: geef op naar welk bestand de afbeelding geschreven moet worden (- voor de standaarduitvoer)</translation>
    </message>
    <message>
        <source>it was closed when ekrano-capture started</source>
        <translation>die was gesloten toen ekrano-capture startte</translation>
    </message>
    <message>
        <source>nothing reads from the named pipe</source>
        <translation>niemand leest uit de benoemde pipe</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>de standaarduitvoer</translation>
    </message>
    <message>
        <source>no screen was recorded</source>
        <translation>er is geen scherm opgenomen</translation>
    </message>
    <message>
        <source>the recording stopped at one hour</source>
        <translation>de opname is na een uur gestopt</translation>
    </message>
    <message>
        <source>cannot make the picture: %1</source>
        <translation>kan de afbeelding niet maken: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan niet schrijven naar %1: %2</translation>
    </message>
    <message>
        <source>The PNG (or with --record the GIF) to write; - for standard output.</source>
        <translation>De PNG (of met --record de GIF) die geschreven wordt; - voor de standaarduitvoer.</translation>
    </message>
    <message>
        <source>The bare 96 x 64 screen, one pixel a calculator pixel, black on white.</source>
        <translation>Alleen het scherm, 96 x 64, één pixel per pixel van de rekenmachine, zwart op wit.</translation>
    </message>
    <message>
        <source>Write what the capture does, for a bug report, to TFILE (- for standard error).</source>
        <translation>Schrijf voor een foutrapport naar TBESTAND wat het uitlezen doet (- voor de standaardfoutuitvoer).</translation>
    </message>
    <message>
        <source>Show where COM1 to COM4 lead, the USB devices (USB0, USB1 ...: link cables and calculators on their own USB port) and whether each can be opened now, then exit.</source>
        <translation>Toon waar COM1 tot en met COM4 naartoe leiden, de USB-apparaten (USB0, USB1 ...: verbindingskabels en rekenmachines op hun eigen USB-poort) en of elk nu geopend kan worden, en sluit dan af.</translation>
    </message>
    <message>
        <source>Record the screen as it changes, for at most an hour, and write it as an animated GIF.</source>
        <translation>Neem het scherm op terwijl het verandert, hooguit een uur, en schrijf het als geanimeerde GIF.</translation>
    </message>
    <message>
        <source>With --record: stop after N seconds.</source>
        <translation>Met --record: stop na N seconden.</translation>
    </message>
    <message>
        <source>With --record: stop after N screens.</source>
        <translation>Met --record: stop na N schermen.</translation>
    </message>
    <message>
        <source>With --record: draw each calculator pixel as a square of N pixels (1 to 32; 4 if not given).</source>
        <translation>Met --record: teken elke pixel van de rekenmachine als een vierkant van N pixels (1 tot en met 32; anders 4).</translation>
    </message>
    <message>
        <source>%1; see ekrano-capture --help</source>
        <translation>%1; zie ekrano-capture --help</translation>
    </message>
    <message>
        <source>--trace names the picture&apos;s own file, which would replace the trace</source>
        <translation>--trace noemt het bestand van de afbeelding zelf, dat de trace zou vervangen</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>geannuleerd</translation>
    </message>
    <message>
        <source>the trace %1 is incomplete: %2</source>
        <translation>de trace (%1) is onvolledig: %2</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>standaardfoutuitvoer</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>BESTAND</translation>
    </message>
    <message>
        <source>TFILE</source>
        <translation>TBESTAND</translation>
    </message>
    <message>
        <source>cancelled before the first screen: no screen was recorded</source>
        <translation>geannuleerd vóór het eerste scherm: er is geen scherm opgenomen</translation>
    </message>
    <message>
        <source>abandoned while it was written: the recording of %1 and %2 screens is lost</source>
        <translation>opgegeven tijdens het schrijven: de opname van %1 en %2 schermen is verloren</translation>
    </message>
    <message>
        <source>abandoned while it was written: the recording of %1 and %2 screens is lost, and what went to %3 is incomplete</source>
        <translation>opgegeven tijdens het schrijven: de opname van %1 en %2 schermen is verloren, en wat naar %3 ging is onvolledig</translation>
    </message>
    <message>
        <source>Writing the recording…</source>
        <translation>De opname wordt geschreven…</translation>
    </message>
    <message>
        <source>FILE is %1, the port the capture reads</source>
        <translation>BESTAND is %1, de poort die wordt uitgelezen</translation>
    </message>
    <message>
        <source>--trace names %1, the port the capture reads</source>
        <translation>--trace noemt %1, de poort die wordt uitgelezen</translation>
    </message>
    <message>
        <source>FOLDER is empty: say which folder --all writes the pictures into</source>
        <translation>MAP is leeg: geef op naar welke map --all de afbeeldingen schrijft</translation>
    </message>
    <message>
        <source>--all writes each picture into FOLDER: give no FILE</source>
        <translation>--all schrijft elke afbeelding naar MAP: geef geen BESTAND op</translation>
    </message>
    <message>
        <source>--%1 is for one calculator, not for --all</source>
        <translation>--%1 is voor één rekenmachine, niet voor --all</translation>
    </message>
    <message>
        <source>--all reads every USB device anyway: --cable takes black or gray with it, for the COM ports</source>
        <translation>--all leest toch al elk USB-apparaat: --cable verwacht daarbij black of gray, voor de COM-poorten</translation>
    </message>
    <message>
        <source>cannot write into %1: %2</source>
        <translation>kan niet schrijven in de map %1: %2</translation>
    </message>
    <message>
        <source>no calculator to read: no COM port has a port link, and no link cable or calculator is plugged in by USB</source>
        <translation>geen rekenmachine om uit te lezen: geen enkele COM-poort heeft een poortkoppeling, en er is geen verbindingskabel of rekenmachine via USB aangesloten</translation>
    </message>
    <message>
        <source>%1 calculators are plugged in, and ekrano-capture --all reads at most %2</source>
        <translation>er zijn %1 rekenmachines aangesloten, en ekrano-capture --all leest er hoogstens %2</translation>
    </message>
    <message>
        <source>it is %1, the port a capture reads</source>
        <translation>het is %1, een poort die wordt uitgelezen</translation>
    </message>
    <message>
        <source>cannot read every calculator at once: %1</source>
        <translation>kan niet alle rekenmachines tegelijk uitlezen: %1</translation>
    </message>
    <message>
        <source>Reads the calculator&apos;s screen once with Ekrano&apos;s link settings, draws it with Ekrano&apos;s look and writes it to FILE as a PNG; with --record, reads it over and over until Ctrl-C, SIGTERM, --seconds or --screens and writes what it read to FILE as an animated GIF; with --all FOLDER, reads every calculator plugged in at the same time, each into a PNG of its own in FOLDER. The options change the stored settings for this run only.</source>
        <translation>Leest het scherm van de rekenmachine één keer met de verbindingsinstellingen van Ekrano, tekent het zoals Ekrano het tekent en schrijft het als PNG naar BESTAND; met --record leest het scherm steeds opnieuw tot Ctrl-C, SIGTERM, --seconds of --screens en schrijft wat gelezen is als geanimeerde GIF naar BESTAND; met --all MAP leest het elke aangesloten rekenmachine tegelijk uit, elk naar een eigen PNG in MAP. De opties wijzigen de opgeslagen instellingen alleen voor deze keer.</translation>
    </message>
    <message>
        <source>Capture every calculator plugged in, all at the same time, each into FOLDER/PLACE.png (COM1.png, USB-1-1.3.png ...), and say on standard output how each went: the COM ports with a port link, on the cable --cable gives (black or gray; else the stored one, or gray), and every USB device. FOLDER is made if it is not there.</source>
        <translation>Lees elke aangesloten rekenmachine uit, allemaal tegelijk, elk naar MAP/PLAATS.png (COM1.png, USB-1-1.3.png ...), en meld op de standaarduitvoer hoe het bij elk ging: de COM-poorten met een poortkoppeling, op de kabel die --cable opgeeft (black of gray; anders de opgeslagen kabel, of gray), en elk USB-apparaat. MAP wordt gemaakt als die er nog niet is.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>MAP</translation>
    </message>
    <message>
        <source>--list and --all exclude each other</source>
        <translation>--list en --all sluiten elkaar uit</translation>
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
        <translation>Op zoek naar rekenmachines…</translation>
    </message>
    <message>
        <source>Show this calculator alone</source>
        <translation>Alleen deze rekenmachine tonen</translation>
    </message>
    <message>
        <source>Back to the whole class</source>
        <translation>Terug naar de hele klas</translation>
    </message>
    <message>
        <source>Name this calculator...</source>
        <translation>Deze rekenmachine een naam geven...</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pauzeren of hervatten</translation>
    </message>
    <message>
        <source>Copy the screen</source>
        <translation>Scherm kopiëren</translation>
    </message>
    <message>
        <source>Save the screen...</source>
        <translation>Scherm opslaan...</translation>
    </message>
    <message>
        <source>Record or stop recording</source>
        <translation>Opname starten of stoppen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Calculators read: %1 of %2 · %3 screens/s</source>
        <translation>Rekenmachines gelezen: %1 van %2 · %3 schermen/s</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>%1 more not read: Ekrano Live reads at most %2 calculators at once</source>
        <translation>%1 meer niet gelezen: Ekrano Live leest hoogstens %2 rekenmachines tegelijk</translation>
    </message>
    <message>
        <source>Name this calculator</source>
        <translation>Deze rekenmachine een naam geven</translation>
    </message>
    <message>
        <source>No calculator is plugged in. Plug calculators in by USB, or make port links for COM1 to COM4 (man ekrano-live).</source>
        <translation>Er is geen rekenmachine aangesloten. Sluit rekenmachines aan via USB, of maak poortkoppelingen voor COM1 tot COM4 (man ekrano-live).</translation>
    </message>
    <message>
        <source>Name to show for the calculator on %1 (leave empty to show %1):</source>
        <translation>Naam die voor de rekenmachine op %1 wordt getoond (leeg laten om %1 te tonen):</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Screenshot to Clipboard</source>
        <translation>&amp;Scherm kopiëren</translation>
    </message>
    <message>
        <source>Grabbing...</source>
        <translation>Bezig met lezen...</translation>
    </message>
    <message>
        <source>&amp;Screenshot</source>
        <translation>&amp;Schermafdruk</translation>
    </message>
    <message>
        <source>the capture failed: %1</source>
        <translation>het uitlezen is mislukt: %1</translation>
    </message>
    <message>
        <source>The capture could not start: %1.</source>
        <translation>Het uitlezen kon niet beginnen: %1.</translation>
    </message>
    <message>
        <source>Ekrano version 2

Pick the port and cable under Link Settings, then press the button: the screen lands on the clipboard.</source>
        <translation>Ekrano versie 2

Kies de poort en de kabel onder Verbinding en druk op de knop: het scherm komt op het klembord.</translation>
    </message>
    <message>
        <source>Ekrano ver 2.0</source>
        <translation>Ekrano versie 2.0</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Link Settings</source>
        <translation>&amp;Verbinding</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Kleuren</translation>
    </message>
    <message>
        <source>&amp;Foreground</source>
        <translation>&amp;Voorgrond</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Achtergrond</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Effen</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Verloop</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontaal</translation>
    </message>
</context>
<context>
    <name>LiveCalculator</name>
    <message>
        <source>Reading</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Waiting for the calculator</source>
        <translation>Wachten op de rekenmachine</translation>
    </message>
    <message>
        <source>The calculator answered wrongly: %1</source>
        <translation>De rekenmachine gaf een verkeerd antwoord: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Niet aangesloten</translation>
    </message>
    <message>
        <source>%1 · %2 screens/s · %3</source>
        <translation>%1 · %2 schermen/s · %3</translation>
    </message>
    <message>
        <source>Save the screen</source>
        <translation>Scherm opslaan</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>The screen could not be saved to %1: %2.</source>
        <translation>Het scherm kon niet worden opgeslagen in %1: %2.</translation>
    </message>
</context>
<context>
    <name>LiveRecorder</name>
    <message>
        <source>Recording %1</source>
        <translation>Opname %1</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Opgenomen %1</translation>
    </message>
    <message>
        <source>%1 · %2 screens</source>
        <translation>%1 · %2 schermen</translation>
    </message>
    <message>
        <source>%1, stopped at one hour</source>
        <translation>%1, na een uur gestopt</translation>
    </message>
    <message>
        <source>Save the recording, which stopped at one hour</source>
        <translation>Opname opslaan, die na een uur is gestopt</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Opname opslaan</translation>
    </message>
    <message>
        <source>GIF pictures (*.gif)</source>
        <translation>GIF-afbeeldingen (*.gif)</translation>
    </message>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>Discard the recording of %1?</source>
        <translation>De opname van %1 weggooien?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Weggooien</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>The recording could not be saved to %1: %2.

It is kept: choose another place.</source>
        <translation>De opname kon niet worden opgeslagen in %1: %2.

De opname blijft bewaard: kies een andere plek.</translation>
    </message>
    <message>
        <source>the recording was saved to %1</source>
        <translation>de opname is opgeslagen in %1</translation>
    </message>
    <message>
        <source>the recording could not be saved to %1: %2</source>
        <translation>de opname kon niet worden opgeslagen in %1: %2</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Bezig met opslaan…</translation>
    </message>
    <message>
        <source>the recording could not be made into a GIF: %1</source>
        <translation>van de opname kon geen GIF worden gemaakt: %1</translation>
    </message>
    <message>
        <source>the recording could not be saved in %1: %2</source>
        <translation>de opname kon niet worden opgeslagen in de map %1: %2</translation>
    </message>
    <message>
        <source>the recording of %1 is lost: no folder could take it</source>
        <translation>de opname van %1 is verloren: geen enkele map kon haar opnemen</translation>
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
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pauzeren of hervatten</translation>
    </message>
    <message>
        <source>Copy the screen</source>
        <translation>Scherm kopiëren</translation>
    </message>
    <message>
        <source>Save the screen...</source>
        <translation>Scherm opslaan...</translation>
    </message>
    <message>
        <source>Record or stop recording</source>
        <translation>Opname starten of stoppen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TileNames</name>
    <message>
        <source>The names of the calculators could not be read from %1: %2. The names given now hold for this run only; the file is left as it is until it is corrected or removed.</source>
        <translation>De namen van de rekenmachines konden niet worden gelezen uit %1: %2. Namen die u nu geeft, gelden alleen tot het programma sluit; het bestand blijft zoals het is tot het is verbeterd of verwijderd.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>het is groter dan %1 kB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>het is geen UTF-8-tekst</translation>
    </message>
    <message>
        <source>line %1 is not a place, &quot;=&quot; and a name</source>
        <translation>regel %1 is geen poort, ‘=’ en een naam</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>de map ervan kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>The names of the calculators could not be saved to %1: %2. The file is left as it was, and the new name holds for this run only.</source>
        <translation>De namen van de rekenmachines konden niet worden opgeslagen in %1: %2. Het bestand blijft zoals het was, en de nieuwe naam geldt alleen tot het programma sluit.</translation>
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
        <translation>%1, grijze kabel</translation>
    </message>
    <message>
        <source>%1, Black cable</source>
        <translation>%1, zwarte kabel</translation>
    </message>
    <message>
        <source>GetScreen needs an open link; Connect was not called or failed.</source>
        <translation>GetScreen heeft een open verbinding nodig; Connect is niet aangeroepen of is mislukt.</translation>
    </message>
    <message>
        <source>The screen format %1 is not known; only 26 is.</source>
        <translation>De schermindeling %1 is onbekend; alleen 26 is bekend.</translation>
    </message>
    <message>
        <source>No screen has been read from the calculator yet.</source>
        <translation>Er is nog geen scherm van de rekenmachine gelezen.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>Ekrano Error</source>
        <translation>Ekrano-fout</translation>
    </message>
    <message>
        <source>Error...<byte value="xd"/>
Check calculator, connection, &amp; &apos;Link Settings&apos;</source>
        <translation>Fout...<byte value="xd"/>
Controleer de rekenmachine, de aansluiting en &apos;Verbinding&apos;</translation>
    </message>
    <message>
        <source>The device name &quot;%1&quot; is not known; the link knows COM1 to COM4 and \\.\Usb0.</source>
        <translation>De apparaatnaam &quot;%1&quot; is onbekend; de verbinding kent COM1 tot en met COM4 en \\.\Usb0.</translation>
    </message>
    <message>
        <source>The port link of %1 cannot be looked up in the ports folder %2: %3. Make it a folder you can read, or remove it to use %4.</source>
        <translation>De poortkoppeling van %1 kan niet worden opgezocht in de poortenmap %2: %3. Maak er een map van die u kunt lezen, of verwijder hem om %4 te gebruiken.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>Het openen van %1 is mislukt: %2.</translation>
    </message>
    <message>
        <source>Setting up %1 failed: %2.</source>
        <translation>Het instellen van %1 is mislukt: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <translation>Het lezen van %1 is mislukt: %2.</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2.</source>
        <translation>Het schrijven naar %1 is mislukt: %2.</translation>
    </message>
    <message>
        <source>Using the modem lines of %1 failed: %2.</source>
        <translation>Het gebruiken van de modemlijnen van %1 is mislukt: %2.</translation>
    </message>
    <message>
        <source>Setting the modem lines of %1 failed: %2.</source>
        <translation>Het instellen van de modemlijnen van %1 is mislukt: %2.</translation>
    </message>
    <message>
        <source>Reading the modem lines of %1 failed: %2.</source>
        <translation>Het lezen van de modemlijnen van %1 is mislukt: %2.</translation>
    </message>
    <message>
        <source>This port has no modem lines (DTR, RTS, CTS and DSR), so the Black cable cannot work on it; choose a real serial port or a USB serial adapter, or the Gray cable.</source>
        <translation>Deze poort heeft geen modemlijnen (DTR, RTS, CTS en DSR), dus de zwarte kabel kan er niet op werken; kies een echte seriële poort of een USB-serieeladapter, of de grijze kabel.</translation>
    </message>
    <message>
        <source>it is not a serial port but a folder. Point the port link at one: %1</source>
        <translation>het is geen seriële poort maar een map. Laat de poortkoppeling naar een seriële poort wijzen: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a named pipe. Point the port link at one: %1</source>
        <translation>het is geen seriële poort maar een benoemde pipe. Laat de poortkoppeling naar een seriële poort wijzen: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a socket. Point the port link at one: %1</source>
        <translation>het is geen seriële poort maar een socket. Laat de poortkoppeling naar een seriële poort wijzen: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a file. Point the port link at one: %1</source>
        <translation>het is geen seriële poort maar een bestand. Laat de poortkoppeling naar een seriële poort wijzen: %1</translation>
    </message>
    <message>
        <source>%1: can be opened</source>
        <translation>%1: kan worden geopend</translation>
    </message>
    <message>
        <source>%1  cannot be opened: %2</source>
        <translation>%1  kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>%1 (no port link)</source>
        <translation>%1 (geen poortkoppeling)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>Or point the link at the right device: %1</source>
        <translation>Of laat de koppeling naar het juiste apparaat wijzen: %1</translation>
    </message>
    <message>
        <source>%1 is not there: this computer has no %2 of its own. For a USB serial adapter, set a port link: %3</source>
        <translation>%1 bestaat niet: deze computer heeft geen eigen %2. Maak voor een USB-serieeladapter een poortkoppeling: %3</translation>
    </message>
    <message>
        <source>it is not a serial port but the system&apos;s terminal %1. Point the port link at one: %2</source>
        <translation>het is geen seriële poort maar de terminal %1 van het systeem. Laat de poortkoppeling naar een seriële poort wijzen: %2</translation>
    </message>
    <message>
        <source>it is not a serial port but a device of the kind &quot;%1&quot;. Point the port link at one: %2</source>
        <translation>het is geen seriële poort maar een apparaat van de soort &quot;%1&quot;. Laat de poortkoppeling naar een seriële poort wijzen: %2</translation>
    </message>
    <message>
        <source>there is no serial port chip behind it. For a USB serial adapter, set a port link: %1</source>
        <translation>er zit geen chip van een seriële poort achter. Maak voor een USB-serieeladapter een poortkoppeling: %1</translation>
    </message>
    <message>
        <source>%1: can be opened; it is a pseudo-terminal, which has no modem lines, so it takes the Gray cable but not the Black one</source>
        <translation>%1: kan worden geopend; het is een pseudoterminal zonder modemlijnen, dus de grijze kabel werkt, de zwarte niet</translation>
    </message>
    <message>
        <source>USB   cannot be used on this computer: %1</source>
        <translation>USB   kan op deze computer niet worden gebruikt: %1</translation>
    </message>
    <message>
        <source>USB   no USB link cable and no calculator on its own USB port found; the udev rule is not installed</source>
        <translation>USB   geen USB-verbindingskabel en geen rekenmachine op een eigen USB-poort gevonden; de udev-regel is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>USB   no USB link cable and no calculator on its own USB port found; the udev rule is installed (%1)</source>
        <translation>USB   geen USB-verbindingskabel en geen rekenmachine op een eigen USB-poort gevonden; de udev-regel is geïnstalleerd (%1)</translation>
    </message>
    <message>
        <source>The udev rule is not installed.</source>
        <translation>De udev-regel is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>The udev rule is installed (%1): plug it in again so that it applies. It gives the device to the user logged in at this computer, not to one logged in from elsewhere.</source>
        <translation>De udev-regel is geïnstalleerd (%1): sluit het apparaat opnieuw aan zodat de regel geldt. De regel geeft het apparaat aan de gebruiker die aan deze computer is aangemeld, niet aan iemand die van elders is aangemeld.</translation>
    </message>
    <message>
        <source>Serial ports belong to the dialout group: add yourself to it with &quot;sudo adduser $USER dialout&quot;, then log out and in again.</source>
        <translation>Seriële poorten horen bij de groep dialout: voeg uzelf eraan toe met &quot;sudo adduser $USER dialout&quot; en meld u daarna af en weer aan.</translation>
    </message>
    <message>
        <source>Another program is using the port; close it and try again.</source>
        <translation>Een ander programma gebruikt de poort; sluit het en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The port link points to %1, which is not there: is the cable or adapter plugged in?</source>
        <translation>De poortkoppeling wijst naar %1, dat niet bestaat: is de kabel of adapter aangesloten?</translation>
    </message>
    <message>
        <source>The port link points to %1, which has no device behind it: is the cable or adapter plugged in?</source>
        <translation>De poortkoppeling wijst naar %1, waar geen apparaat achter zit: is de kabel of adapter aangesloten?</translation>
    </message>
    <message>
        <source>Is the cable plugged in, and is this the right port?</source>
        <translation>Is de kabel aangesloten, en is dit de juiste poort?</translation>
    </message>
    <message>
        <source>It is not a serial port.</source>
        <translation>Het is geen seriële poort.</translation>
    </message>
    <message>
        <source>The cable or adapter may have been unplugged.</source>
        <translation>De kabel of adapter is misschien losgemaakt.</translation>
    </message>
    <message>
        <source>The capture was cancelled.</source>
        <translation>Het uitlezen is geannuleerd.</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>standaardfoutuitvoer</translation>
    </message>
    <message>
        <source>the trace&apos;s file</source>
        <translation>bestand van de trace</translation>
    </message>
    <message>
        <source>cannot write the trace to %1: %2</source>
        <translation>kan de trace niet naar %1 schrijven: %2</translation>
    </message>
    <message>
        <source>its reader fell behind</source>
        <translation>de lezer bleef achter</translation>
    </message>
    <message>
        <source>it could not begin again after %1: %2</source>
        <translation>de trace kon na %1 niet opnieuw beginnen: %2</translation>
    </message>
    <message>
        <source>the trace %1 is incomplete: %2</source>
        <translation>de trace (%1) is onvolledig: %2</translation>
    </message>
    <message>
        <source>The cable code %1 is not known; 1 (Gray), 2 (Black) and 5 (USB) are.</source>
        <translation>De kabelcode %1 is onbekend; 1 (grijs), 2 (zwart) en 5 (USB) zijn bekend.</translation>
    </message>
    <message>
        <source>The USB cable needs a USB device name, not &quot;%1&quot;.</source>
        <translation>De USB-kabel heeft een USB-apparaatnaam nodig, niet &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A serial cable needs a serial port (COM1 to COM4), not &quot;%1&quot;.</source>
        <translation>Een seriële kabel heeft een seriële poort nodig (COM1 tot en met COM4), niet &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The USB cable needs the udev rule %1: install it with `sudo make install-udev` in Ekrano&apos;s source folder, then plug the cable in again.</source>
        <translation>De USB-kabel heeft de udev-regel %1 nodig: installeer die met `sudo make install-udev` in de bronmap van Ekrano en sluit de kabel daarna opnieuw aan.</translation>
    </message>
    <message>
        <source>The cable was pulled out; plug it in again and retry.</source>
        <translation>De kabel is losgemaakt; sluit hem opnieuw aan en probeer het nog eens.</translation>
    </message>
    <message>
        <source>calculator on its own USB port</source>
        <translation>rekenmachine op een eigen USB-poort</translation>
    </message>
    <message>
        <source>USB link cable</source>
        <translation>USB-verbindingskabel</translation>
    </message>
    <message>
        <source>Another program is using the cable; close it and try again.</source>
        <translation>Een ander programma gebruikt de kabel; sluit het en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 means the first USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 is het eerste USB-apparaat (verbindingskabel of rekenmachine), maar er is er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the first USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 is het eerste USB-apparaat (verbindingskabel of rekenmachine), maar er zijn er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the second USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 is het tweede USB-apparaat (verbindingskabel of rekenmachine), maar er is er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the second USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 is het tweede USB-apparaat (verbindingskabel of rekenmachine), maar er zijn er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the third USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 is het derde USB-apparaat (verbindingskabel of rekenmachine), maar er is er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the third USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 is het derde USB-apparaat (verbindingskabel of rekenmachine), maar er zijn er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the fourth USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 is het vierde USB-apparaat (verbindingskabel of rekenmachine), maar er is er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the fourth USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 is het vierde USB-apparaat (verbindingskabel of rekenmachine), maar er zijn er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the fifth USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 is het vijfde USB-apparaat (verbindingskabel of rekenmachine), maar er is er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the fifth USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 is het vijfde USB-apparaat (verbindingskabel of rekenmachine), maar er zijn er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the USB device number %3 (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 is het USB-apparaat nummer %3 (verbindingskabel of rekenmachine), maar er is er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>%1 means the USB device number %3 (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 is het USB-apparaat nummer %3 (verbindingskabel of rekenmachine), maar er zijn er maar %2 aangesloten.</translation>
    </message>
    <message>
        <source>USB cannot be used on this computer: %1.</source>
        <translation>USB kan op deze computer niet worden gebruikt: %1.</translation>
    </message>
    <message>
        <source>Neither a USB link cable nor a calculator on its own USB port is connected (%1). Plug the link cable into the computer and the calculator, or the calculator straight into the computer with its own USB cable, or choose another cable in the link settings.</source>
        <translation>Er is geen USB-verbindingskabel en geen rekenmachine op een eigen USB-poort aangesloten (%1). Sluit de verbindingskabel aan op de computer en de rekenmachine, of de rekenmachine rechtstreeks op de computer met haar eigen USB-kabel, of kies een andere kabel onder Verbinding.</translation>
    </message>
    <message>
        <source>it is not a port link but a folder. Move it away and set the link: %1</source>
        <translation>het is geen poortkoppeling maar een map. Verplaats de map en maak de koppeling: %1</translation>
    </message>
    <message>
        <source>USB   %1, bus %2 address %3 (%4): a calculator with a colour screen, which Ekrano cannot read; it reads the calculators with the 96 x 64 monochrome screen</source>
        <translation>USB   %1, bus %2 adres %3 (%4): een rekenmachine met een kleurenscherm, dat Ekrano niet kan lezen; Ekrano leest de rekenmachines met het monochrome scherm van 96 x 64</translation>
    </message>
    <message>
        <source>calculator with a colour screen</source>
        <translation>rekenmachine met een kleurenscherm</translation>
    </message>
    <message>
        <source>The calculator on its own USB port does not have the 96 x 64 monochrome screen that Ekrano reads, so Ekrano cannot read its screen.</source>
        <translation>De rekenmachine op een eigen USB-poort heeft niet het monochrome scherm van 96 x 64 dat Ekrano leest, dus Ekrano kan zijn scherm niet lezen.</translation>
    </message>
    <message>
        <source>The calculator %1 does not have the 96 x 64 monochrome screen that Ekrano reads, so Ekrano cannot read its screen.</source>
        <translation>De rekenmachine %1 heeft niet het monochrome scherm van 96 x 64 dat Ekrano leest, dus Ekrano kan zijn scherm niet lezen.</translation>
    </message>
    <message>
        <source>The calculator plugged in (%1), %2, has a colour screen, which Ekrano cannot read: Ekrano reads the calculators with the 96 x 64 monochrome screen, on their own USB port or through a link cable.</source>
        <translation>De aangesloten rekenmachine (%1), %2, heeft een kleurenscherm, dat Ekrano niet kan lezen: Ekrano leest de rekenmachines met het monochrome scherm van 96 x 64, op een eigen USB-poort of via een verbindingskabel.</translation>
    </message>
    <message>
        <source>USB cable, %1</source>
        <translation>USB-kabel, %1</translation>
    </message>
    <message>
        <source>USB   %1 (%2, %3): %4, bus %5 address %6 (%7)</source>
        <translation>USB   %1 (%2, %3): %4, bus %5 adres %6 (%7)</translation>
    </message>
    <message>
        <source>Neither a USB link cable nor a calculator on its own USB port is plugged in at USB port %2 (%1). Plug it in there again, or see where each one is plugged in with `ekrano-capture --list`.</source>
        <translation>Er is geen USB-verbindingskabel en geen rekenmachine op een eigen USB-poort aangesloten op USB-poort %2 (%1). Sluit het apparaat daar opnieuw aan, of bekijk met `ekrano-capture --list` waar elk apparaat is aangesloten.</translation>
    </message>
</context>
<context>
    <name>choiceoptions</name>
    <message>
        <source>port</source>
        <translation>poort</translation>
    </message>
    <message>
        <source>The cable: black, gray or usb.</source>
        <translation>De kabel: black (zwart), gray (grijs) of usb.</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>kabel</translation>
    </message>
    <message>
        <source>The side of a calculator pixel in screen pixels: 0.1 to 5, in steps of 0.1.</source>
        <translation>De zijde van een pixel van de rekenmachine in schermpixels: 0.1 tot en met 5, in stappen van 0.1.</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>factor</translation>
    </message>
    <message>
        <source>Draw the frame.</source>
        <translation>Teken de rand.</translation>
    </message>
    <message>
        <source>Draw no frame.</source>
        <translation>Teken geen rand.</translation>
    </message>
    <message>
        <source>The colour of the dark pixels and the frame.</source>
        <translation>De kleur van de donkere pixels en de rand.</translation>
    </message>
    <message>
        <source>The colour behind them.</source>
        <translation>De kleur erachter.</translation>
    </message>
    <message>
        <source>--cable takes black, gray or usb, not &apos;%1&apos;</source>
        <translation>--cable verwacht black, gray of usb, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--port %1 is a USB device, for the USB cable (--cable usb)</source>
        <translation>--port %1 is een USB-apparaat, voor de USB-kabel (--cable usb)</translation>
    </message>
    <message>
        <source>--zoom takes 0.1 to 5 in steps of 0.1, not &apos;%1&apos;</source>
        <translation>--zoom verwacht 0.1 tot en met 5 in stappen van 0.1, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--border and --no-border exclude each other</source>
        <translation>--border en --no-border sluiten elkaar uit</translation>
    </message>
    <message>
        <source>--%1 takes a colour as #rrggbb, not &apos;%2&apos;</source>
        <translation>--%1 verwacht een kleur als #rrggbb, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--port takes USB0 to USB99 for a USB device, not &apos;%1&apos;</source>
        <translation>--port verwacht USB0 tot en met USB99 voor een USB-apparaat, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The serial port: COM1 to COM4; or, with the USB cable, the USB device: USB0 (the first), USB1 ..., link cables and calculators on their own USB port counted together, or where it is plugged in, as --list shows it: USB-1-1.3.</source>
        <translation>De seriële poort: COM1 tot en met COM4; of, met de USB-kabel, het USB-apparaat: USB0 (het eerste), USB1 ..., verbindingskabels en rekenmachines op hun eigen USB-poort samen geteld, of waar het is aangesloten, zoals --list het toont: USB-1-1.3.</translation>
    </message>
    <message>
        <source>--port takes COM1, COM2, COM3 or COM4, or with the USB cable USB0, USB1 ... or where the device is plugged in, as USB-1-1.3, not &apos;%1&apos;</source>
        <translation>--port verwacht COM1, COM2, COM3 of COM4, of met de USB-kabel USB0, USB1 ... of de plek waar het apparaat is aangesloten, zoals USB-1-1.3, niet &apos;%1&apos;</translation>
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
        <translation>Gebruik: ekrano-calc [OPTIE]...
Speelt een rekenmachine met een scherm van 96 x 64 op een pseudoterminal,
spreekt de bytestroom van de grijze kabel en schrijft het pad van de terminal
op één regel.

  --link PAD            maak van PAD ook een symbolische koppeling naar de
                        terminal, bijvoorbeeld ~/.config/Ekrano/ports/COM1
                        (mappen worden gemaakt; een bestaande symbolische
                        koppeling wordt vervangen, al het andere blijft zoals
                        het is); de koppeling wordt bij het afsluiten
                        verwijderd
  --animate             lever een grafiek die getekend wordt, bij elk verzoek
                        een stap verder, in plaats van de ingebouwde grafiek
  --screen BESTAND      lever deze PNG- of PBM-afbeelding van 96 x 64 in
                        plaats van de ingebouwde grafiek (donker = onder de
                        halve helderheid)
  --silent              antwoord nooit
  --late MS             antwoord pas na MS milliseconden (cijfers, 0 tot en
                        met 600000)
  --bad-checksum once|always
                        stuur het scherm met een verkeerde controlesom de
                        eerste keer van elk verzoek (once), of elke keer
                        (always)
  --wrong-length        stuur 769 bytes scherm in plaats van 768
  --skip                weiger elk verzoek
  --wrong-machine-id    stuur het scherm van een machine-id die geen
                        rekenmachine gebruikt
  --slow-reader MS      lees na het sturen van het scherm MS milliseconden
                        niets, terwijl de invoer zich ophoopt
  --help                toon deze hulp en sluit af

Een host die een scherm niet binnen 2 s bevestigt (de laatste ACK) wordt op de
standaardfoutuitvoer gemeld. Stopt bij Ctrl-C (SIGINT) of SIGTERM.
</translation>
    </message>
    <message>
        <source>Try &apos;ekrano-calc --help&apos;.</source>
        <translation>Probeer &apos;ekrano-calc --help&apos;.</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 heeft een pad nodig</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 heeft een bestand nodig</translation>
    </message>
    <message>
        <source>%1 needs a number of milliseconds</source>
        <translation>%1 heeft een aantal milliseconden nodig</translation>
    </message>
    <message>
        <source>%1 takes 0 to 600000 milliseconds, not &apos;%2&apos;</source>
        <translation>%1 verwacht 0 tot en met 600000 milliseconden, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 needs once or always</source>
        <translation>%1 heeft once of always nodig</translation>
    </message>
    <message>
        <source>--bad-checksum takes once or always, not &apos;%1&apos;</source>
        <translation>--bad-checksum verwacht once of always, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>choose one way to misbehave at a time</source>
        <translation>kies één manier van misdragen tegelijk</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>kan de map %1 niet maken: %2</translation>
    </message>
    <message>
        <source>%1 exists and is not a symbolic link; not replacing it</source>
        <translation>%1 bestaat en is geen symbolische koppeling; het wordt niet vervangen</translation>
    </message>
    <message>
        <source>cannot make the link %1: %2</source>
        <translation>kan de koppeling %1 niet maken: %2</translation>
    </message>
    <message>
        <source>%1: a folder, not a picture</source>
        <translation>%1: een map, geen afbeelding</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels; a screen is 96 x 64</source>
        <translation>%1: de afbeelding is %2 x %3 pixels; een scherm is 96 x 64</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG or PBM): %2</source>
        <translation>%1: geen leesbare afbeelding (PNG of PBM): %2</translation>
    </message>
</context>
<context>
    <name>ekrano-live</name>
    <message>
        <source>%1; see ekrano-live --help</source>
        <translation>%1; zie ekrano-live --help</translation>
    </message>
    <message>
        <source>Shows the calculator&apos;s screen as it changes, read over and over with Ekrano&apos;s link settings and colours. The options change the stored settings for this run only.</source>
        <translation>Toont het scherm van de rekenmachine terwijl het verandert, steeds opnieuw gelezen met de verbindingsinstellingen en kleuren van Ekrano. De opties wijzigen de opgeslagen instellingen alleen voor deze keer.</translation>
    </message>
    <message>
        <source>Show every calculator plugged in, side by side: each USB device Ekrano reads, and each COM port with a port link, on the serial cable of --cable (Gray unless Black is given or stored).</source>
        <translation>Toont elke aangesloten rekenmachine naast elkaar: elk USB-apparaat dat Ekrano leest, en elke COM-poort met een poortkoppeling, via de seriële kabel van --cable (Gray, tenzij Black is opgegeven of opgeslagen).</translation>
    </message>
    <message>
        <source>--all reads every calculator, --port names one</source>
        <translation>--all leest elke rekenmachine, --port noemt er één</translation>
    </message>
    <message>
        <source>--all reads every USB device; its --cable, for the serial ports, is black or gray</source>
        <translation>--all leest elk USB-apparaat; --cable geldt dan voor de seriële poorten en is black of gray</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>out of memory</source>
        <translation>onvoldoende geheugen</translation>
    </message>
    <message>
        <source>no screen was recorded</source>
        <translation>er is geen scherm opgenomen</translation>
    </message>
    <message>
        <source>the scale %1 is not a whole number from 1 to %2</source>
        <translation>de grootte %1 is geen geheel getal van 1 tot en met %2</translation>
    </message>
</context>
<context>
    <name>settingsfile</name>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>een benoemde pipe</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>een tekenapparaat</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>een blokapparaat</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>of a kind Ekrano does not know</source>
        <translation>van een soort die Ekrano niet kent</translation>
    </message>
    <message>
        <source>it is a link to %1, which is %2, not a file</source>
        <translation>het is een koppeling naar %1, en dat is %2, geen bestand</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>het is %1, geen bestand</translation>
    </message>
    <message>
        <source>it is %1 bytes, far more than settings take, so it is taken to be damaged</source>
        <translation>het is %1 bytes, veel meer dan instellingen nodig hebben, en wordt daarom als beschadigd gezien</translation>
    </message>
    <message>
        <source>Ekrano did not read its settings from %1: %2; the defaults are used.</source>
        <translation>Ekrano heeft zijn instellingen niet uit %1 gelezen: %2; de standaardinstellingen worden gebruikt.</translation>
    </message>
    <message>
        <source>Ekrano could not save its settings to %1: %2.</source>
        <translation>Ekrano kon zijn instellingen niet opslaan in %1: %2.</translation>
    </message>
    <message>
        <source>they could not be read when it started (%1), so the file is kept as it is</source>
        <translation>ze konden bij het starten niet worden gelezen (%1), dus het bestand blijft zoals het is</translation>
    </message>
    <message>
        <source>the new settings did not read back as they were meant to, so the file is kept as it is</source>
        <translation>de nieuwe instellingen lieten zich niet teruglezen zoals bedoeld, dus het bestand blijft zoals het is</translation>
    </message>
    <message>
        <source>the new file would be %1 bytes, more than Ekrano reads back</source>
        <translation>het nieuwe bestand zou %1 bytes zijn, meer dan Ekrano terugleest</translation>
    </message>
</context>
</TS>
