<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CaptureCommand</name>
    <message>
        <source>--%1 takes a whole number from 1 to %2, not &apos;%3&apos;</source>
        <translation>--%1 admite un número entero de 1 a %2, no «%3»</translation>
    </message>
    <message>
        <source>--%1 is for a recording: give --record too</source>
        <translation>--%1 es para una grabación: añada también --record</translation>
    </message>
    <message>
        <source>--%1 is for a PNG: a recording is drawn at --scale</source>
        <translation>--%1 es para un PNG: una grabación se dibuja al tamaño --scale</translation>
    </message>
    <message>
        <source>say which FILE to write the picture to (- for standard output)</source>
        <translation>indique en qué ARCHIVO escribir la imagen (- para la salida estándar)</translation>
    </message>
    <message>
        <source>give one FILE, not %1</source>
        <translation>indique un solo ARCHIVO, no %1</translation>
    </message>
    <message>
        <source>FILE is empty: say which file to write the picture to (- for standard output)</source>
        <translation>ARCHIVO está vacío: indique en qué archivo escribir la imagen (- para la salida estándar)</translation>
    </message>
    <message>
        <source>it was closed when ekrano-capture started</source>
        <translation>estaba cerrado cuando se inició ekrano-capture</translation>
    </message>
    <message>
        <source>nothing reads from the named pipe</source>
        <translation>nadie lee de la tubería con nombre</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>la salida estándar</translation>
    </message>
    <message>
        <source>no screen was recorded</source>
        <translation>no se grabó ninguna pantalla</translation>
    </message>
    <message>
        <source>the recording stopped at one hour</source>
        <translation>la grabación se detuvo al cumplir una hora</translation>
    </message>
    <message>
        <source>cannot make the picture: %1</source>
        <translation>no se puede crear la imagen: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>The PNG (or with --record the GIF) to write; - for standard output.</source>
        <translation>El PNG (o con --record el GIF) que se escribe; - para la salida estándar.</translation>
    </message>
    <message>
        <source>The bare 96 x 64 screen, one pixel a calculator pixel, black on white.</source>
        <translation>Solo la pantalla, en 96 x 64, un píxel por cada píxel de la calculadora, negro sobre blanco.</translation>
    </message>
    <message>
        <source>Write what the capture does, for a bug report, to TFILE (- for standard error).</source>
        <translation>Escribir lo que hace la captura, para un informe de fallo, en TARCHIVO (- para la salida de error estándar).</translation>
    </message>
    <message>
        <source>Show where COM1 to COM4 lead, the USB devices (USB0, USB1 ...: link cables and calculators on their own USB port) and whether each can be opened now, then exit.</source>
        <translation>Mostrar adónde llevan COM1 a COM4, los dispositivos USB (USB0, USB1 ...: cables de conexión y calculadoras en su propio puerto USB) y si cada uno puede abrirse ahora, y salir.</translation>
    </message>
    <message>
        <source>Record the screen as it changes, for at most an hour, and write it as an animated GIF.</source>
        <translation>Grabar la pantalla mientras cambia, como mucho una hora, y escribirla como GIF animado.</translation>
    </message>
    <message>
        <source>With --record: stop after N seconds.</source>
        <translation>Con --record: detenerse tras N segundos.</translation>
    </message>
    <message>
        <source>With --record: stop after N screens.</source>
        <translation>Con --record: detenerse tras N pantallas.</translation>
    </message>
    <message>
        <source>With --record: draw each calculator pixel as a square of N pixels (1 to 32; 4 if not given).</source>
        <translation>Con --record: dibujar cada píxel de la calculadora como un cuadrado de N píxeles (1 a 32; 4 si no se indica).</translation>
    </message>
    <message>
        <source>%1; see ekrano-capture --help</source>
        <translation>%1; consulte ekrano-capture --help</translation>
    </message>
    <message>
        <source>--trace names the picture&apos;s own file, which would replace the trace</source>
        <translation>--trace indica el archivo de la propia imagen, que reemplazaría la traza</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the trace %1 is incomplete: %2</source>
        <translation>la traza (%1) está incompleta: %2</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>salida de error estándar</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>TFILE</source>
        <translation>TARCHIVO</translation>
    </message>
    <message>
        <source>cancelled before the first screen: no screen was recorded</source>
        <translation>cancelado antes de la primera pantalla: no se grabó ninguna pantalla</translation>
    </message>
    <message>
        <source>abandoned while it was written: the recording of %1 and %2 screens is lost</source>
        <translation>abandonada mientras se escribía: se ha perdido la grabación de %1 y %2 pantallas</translation>
    </message>
    <message>
        <source>abandoned while it was written: the recording of %1 and %2 screens is lost, and what went to %3 is incomplete</source>
        <translation>abandonada mientras se escribía: se ha perdido la grabación de %1 y %2 pantallas, y lo que fue a %3 está incompleto</translation>
    </message>
    <message>
        <source>Writing the recording…</source>
        <translation>Escribiendo la grabación…</translation>
    </message>
    <message>
        <source>FILE is %1, the port the capture reads</source>
        <translation>ARCHIVO es %1, el puerto que lee la captura</translation>
    </message>
    <message>
        <source>--trace names %1, the port the capture reads</source>
        <translation>--trace indica %1, el puerto que lee la captura</translation>
    </message>
    <message>
        <source>FOLDER is empty: say which folder --all writes the pictures into</source>
        <translation>CARPETA está vacía: indique en qué carpeta escribe --all las imágenes</translation>
    </message>
    <message>
        <source>--all writes each picture into FOLDER: give no FILE</source>
        <translation>--all escribe cada imagen en CARPETA: no indique ningún ARCHIVO</translation>
    </message>
    <message>
        <source>--%1 is for one calculator, not for --all</source>
        <translation>--%1 es para una sola calculadora, no para --all</translation>
    </message>
    <message>
        <source>--all reads every USB device anyway: --cable takes black or gray with it, for the COM ports</source>
        <translation>--all ya lee todos los dispositivos USB: con él, --cable admite black o gray, para los puertos COM</translation>
    </message>
    <message>
        <source>cannot write into %1: %2</source>
        <translation>no se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>no calculator to read: no COM port has a port link, and no link cable or calculator is plugged in by USB</source>
        <translation>no hay ninguna calculadora que leer: ningún puerto COM tiene enlace de puerto, y no hay ningún cable de conexión ni ninguna calculadora enchufados por USB</translation>
    </message>
    <message>
        <source>%1 calculators are plugged in, and ekrano-capture --all reads at most %2</source>
        <translation>hay %1 calculadoras enchufadas, y ekrano-capture --all lee como mucho %2</translation>
    </message>
    <message>
        <source>it is %1, the port a capture reads</source>
        <translation>es %1, un puerto que lee una captura</translation>
    </message>
    <message>
        <source>cannot read every calculator at once: %1</source>
        <translation>no se pueden leer todas las calculadoras a la vez: %1</translation>
    </message>
    <message>
        <source>Reads the calculator&apos;s screen once with Ekrano&apos;s link settings, draws it with Ekrano&apos;s look and writes it to FILE as a PNG; with --record, reads it over and over until Ctrl-C, SIGTERM, --seconds or --screens and writes what it read to FILE as an animated GIF; with --all FOLDER, reads every calculator plugged in at the same time, each into a PNG of its own in FOLDER. The options change the stored settings for this run only.</source>
        <translation>Lee una vez la pantalla de la calculadora con los ajustes de conexión de Ekrano, la dibuja como Ekrano y la escribe en ARCHIVO como PNG; con --record, la lee una y otra vez hasta Ctrl-C, SIGTERM, --seconds o --screens y escribe lo leído en ARCHIVO como GIF animado; con --all CARPETA, lee a la vez todas las calculadoras enchufadas, cada una en un PNG propio en CARPETA. Las opciones cambian los ajustes guardados solo para esta vez.</translation>
    </message>
    <message>
        <source>Capture every calculator plugged in, all at the same time, each into FOLDER/PLACE.png (COM1.png, USB-1-1.3.png ...), and say on standard output how each went: the COM ports with a port link, on the cable --cable gives (black or gray; else the stored one, or gray), and every USB device. FOLDER is made if it is not there.</source>
        <translation>Capturar todas las calculadoras enchufadas, todas a la vez, cada una en CARPETA/LUGAR.png (COM1.png, USB-1-1.3.png ...), y decir en la salida estándar cómo fue cada una: los puertos COM con enlace de puerto, con el cable que indica --cable (black o gray; si no, el guardado, o gray), y todos los dispositivos USB. CARPETA se crea si no existe.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>--list and --all exclude each other</source>
        <translation>--list y --all se excluyen</translation>
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
        <translation>Buscando calculadoras…</translation>
    </message>
    <message>
        <source>Show this calculator alone</source>
        <translation>Mostrar solo esta calculadora</translation>
    </message>
    <message>
        <source>Back to the whole class</source>
        <translation>Volver a toda la clase</translation>
    </message>
    <message>
        <source>Name this calculator...</source>
        <translation>Dar nombre a esta calculadora...</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar o reanudar</translation>
    </message>
    <message>
        <source>Copy the screen</source>
        <translation>Copiar la pantalla</translation>
    </message>
    <message>
        <source>Save the screen...</source>
        <translation>Guardar la pantalla...</translation>
    </message>
    <message>
        <source>Record or stop recording</source>
        <translation>Grabar o dejar de grabar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Calculators read: %1 of %2 · %3 screens/s</source>
        <translation>Calculadoras leídas: %1 de %2 · %3 pantallas/s</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>%1 more not read: Ekrano Live reads at most %2 calculators at once</source>
        <translation>%1 más sin leer: Ekrano Live lee como máximo %2 calculadoras a la vez</translation>
    </message>
    <message>
        <source>Name this calculator</source>
        <translation>Dar nombre a esta calculadora</translation>
    </message>
    <message>
        <source>No calculator is plugged in. Plug calculators in by USB, or make port links for COM1 to COM4 (man ekrano-live).</source>
        <translation>No hay ninguna calculadora conectada. Conecte calculadoras por USB o cree enlaces de puerto para COM1 a COM4 (man ekrano-live).</translation>
    </message>
    <message>
        <source>Name to show for the calculator on %1 (leave empty to show %1):</source>
        <translation>Nombre que se muestra para la calculadora en %1 (déjelo vacío para mostrar %1):</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Screenshot to Clipboard</source>
        <translation>Copiar la &amp;pantalla</translation>
    </message>
    <message>
        <source>Grabbing...</source>
        <translation>Leyendo...</translation>
    </message>
    <message>
        <source>&amp;Screenshot</source>
        <translation>Ca&amp;ptura</translation>
    </message>
    <message>
        <source>the capture failed: %1</source>
        <translation>la captura falló: %1</translation>
    </message>
    <message>
        <source>The capture could not start: %1.</source>
        <translation>La captura no pudo empezar: %1.</translation>
    </message>
    <message>
        <source>Ekrano version 2

Pick the port and cable under Link Settings, then press the button: the screen lands on the clipboard.</source>
        <translation>Ekrano versión 2

Elija el puerto y el cable en Conexión y pulse el botón: la pantalla pasa al portapapeles.</translation>
    </message>
    <message>
        <source>Ekrano ver 2.0</source>
        <translation>Ekrano versión 2.0</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Link Settings</source>
        <translation>&amp;Conexión</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>C&amp;olores</translation>
    </message>
    <message>
        <source>&amp;Foreground</source>
        <translation>Primer &amp;plano</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Liso</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Degradado</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
</context>
<context>
    <name>LiveCalculator</name>
    <message>
        <source>Reading</source>
        <translation>Leyendo</translation>
    </message>
    <message>
        <source>Waiting for the calculator</source>
        <translation>Esperando a la calculadora</translation>
    </message>
    <message>
        <source>The calculator answered wrongly: %1</source>
        <translation>La calculadora respondió mal: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Desconectada</translation>
    </message>
    <message>
        <source>%1 · %2 screens/s · %3</source>
        <translation>%1 · %2 pantallas/s · %3</translation>
    </message>
    <message>
        <source>Save the screen</source>
        <translation>Guardar la pantalla</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>The screen could not be saved to %1: %2.</source>
        <translation>La pantalla no se pudo guardar en %1: %2.</translation>
    </message>
</context>
<context>
    <name>LiveRecorder</name>
    <message>
        <source>Recording %1</source>
        <translation>Grabando %1</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Grabado %1</translation>
    </message>
    <message>
        <source>%1 · %2 screens</source>
        <translation>%1 · %2 pantallas</translation>
    </message>
    <message>
        <source>%1, stopped at one hour</source>
        <translation>%1, detenida al cumplir una hora</translation>
    </message>
    <message>
        <source>Save the recording, which stopped at one hour</source>
        <translation>Guardar la grabación, que se detuvo al cumplir una hora</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Guardar la grabación</translation>
    </message>
    <message>
        <source>GIF pictures (*.gif)</source>
        <translation>Imágenes GIF (*.gif)</translation>
    </message>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>Discard the recording of %1?</source>
        <translation>¿Descartar la grabación de %1?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>Guardarla</translation>
    </message>
    <message>
        <source>The recording could not be saved to %1: %2.

It is kept: choose another place.</source>
        <translation>La grabación no se pudo guardar en %1: %2.

Se conserva: elija otro lugar.</translation>
    </message>
    <message>
        <source>the recording was saved to %1</source>
        <translation>la grabación se guardó en %1</translation>
    </message>
    <message>
        <source>the recording could not be saved to %1: %2</source>
        <translation>la grabación no se pudo guardar en %1: %2</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>the recording could not be made into a GIF: %1</source>
        <translation>no se pudo hacer un GIF de la grabación: %1</translation>
    </message>
    <message>
        <source>the recording could not be saved in %1: %2</source>
        <translation>la grabación no se pudo guardar en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the recording of %1 is lost: no folder could take it</source>
        <translation>se ha perdido la grabación de %1: ninguna carpeta pudo guardarla</translation>
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
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar o reanudar</translation>
    </message>
    <message>
        <source>Copy the screen</source>
        <translation>Copiar la pantalla</translation>
    </message>
    <message>
        <source>Save the screen...</source>
        <translation>Guardar la pantalla...</translation>
    </message>
    <message>
        <source>Record or stop recording</source>
        <translation>Grabar o dejar de grabar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TileNames</name>
    <message>
        <source>The names of the calculators could not be read from %1: %2. The names given now hold for this run only; the file is left as it is until it is corrected or removed.</source>
        <translation>No se pudieron leer los nombres de las calculadoras de %1: %2. Los nombres que se den ahora valen solo hasta cerrar el programa; el archivo se deja como está hasta que se corrija o se elimine.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>ocupa más de %1 KB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>line %1 is not a place, &quot;=&quot; and a name</source>
        <translation>la línea %1 no es un puerto, «=» y un nombre</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>The names of the calculators could not be saved to %1: %2. The file is left as it was, and the new name holds for this run only.</source>
        <translation>No se pudieron guardar los nombres de las calculadoras en %1: %2. El archivo queda como estaba, y el nombre nuevo vale solo hasta cerrar el programa.</translation>
    </message>
</context>
<context>
    <name>calclink</name>
    <message>
        <source>USB cable</source>
        <translation>Cable USB</translation>
    </message>
    <message>
        <source>%1, Gray cable</source>
        <translation>%1, cable gris</translation>
    </message>
    <message>
        <source>%1, Black cable</source>
        <translation>%1, cable negro</translation>
    </message>
    <message>
        <source>GetScreen needs an open link; Connect was not called or failed.</source>
        <translation>GetScreen necesita una conexión abierta; Connect no se llamó o falló.</translation>
    </message>
    <message>
        <source>The screen format %1 is not known; only 26 is.</source>
        <translation>El formato de pantalla %1 no se conoce; solo se conoce el 26.</translation>
    </message>
    <message>
        <source>No screen has been read from the calculator yet.</source>
        <translation>Todavía no se ha leído ninguna pantalla de la calculadora.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Ekrano Error</source>
        <translation>Error de Ekrano</translation>
    </message>
    <message>
        <source>Error...<byte value="xd"/>
Check calculator, connection, &amp; &apos;Link Settings&apos;</source>
        <translation>Error...<byte value="xd"/>
Compruebe la calculadora, la conexión y el menú «Conexión»</translation>
    </message>
    <message>
        <source>The device name &quot;%1&quot; is not known; the link knows COM1 to COM4 and \\.\Usb0.</source>
        <translation>El nombre de dispositivo «%1» no se conoce; la conexión conoce COM1 a COM4 y \\.\Usb0.</translation>
    </message>
    <message>
        <source>The port link of %1 cannot be looked up in the ports folder %2: %3. Make it a folder you can read, or remove it to use %4.</source>
        <translation>El enlace de puerto de %1 no se puede buscar en la carpeta de puertos %2: %3. Haga de ella una carpeta que pueda leer, o quítela para usar %4.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>Setting up %1 failed: %2.</source>
        <translation>No se pudo configurar %1: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <translation>No se pudo leer de %1: %2.</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2.</source>
        <translation>No se pudo escribir en %1: %2.</translation>
    </message>
    <message>
        <source>Using the modem lines of %1 failed: %2.</source>
        <translation>No se pudieron usar las líneas de módem de %1: %2.</translation>
    </message>
    <message>
        <source>Setting the modem lines of %1 failed: %2.</source>
        <translation>No se pudieron ajustar las líneas de módem de %1: %2.</translation>
    </message>
    <message>
        <source>Reading the modem lines of %1 failed: %2.</source>
        <translation>No se pudieron leer las líneas de módem de %1: %2.</translation>
    </message>
    <message>
        <source>This port has no modem lines (DTR, RTS, CTS and DSR), so the Black cable cannot work on it; choose a real serial port or a USB serial adapter, or the Gray cable.</source>
        <translation>Este puerto no tiene líneas de módem (DTR, RTS, CTS y DSR), así que el cable negro no puede funcionar en él; elija un puerto serie de verdad o un adaptador serie USB, o el cable gris.</translation>
    </message>
    <message>
        <source>it is not a serial port but a folder. Point the port link at one: %1</source>
        <translation>no es un puerto serie sino una carpeta. Haga que el enlace de puerto apunte a uno: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a named pipe. Point the port link at one: %1</source>
        <translation>no es un puerto serie sino una tubería con nombre. Haga que el enlace de puerto apunte a uno: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a socket. Point the port link at one: %1</source>
        <translation>no es un puerto serie sino un socket. Haga que el enlace de puerto apunte a uno: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a file. Point the port link at one: %1</source>
        <translation>no es un puerto serie sino un archivo. Haga que el enlace de puerto apunte a uno: %1</translation>
    </message>
    <message>
        <source>%1: can be opened</source>
        <translation>%1: se puede abrir</translation>
    </message>
    <message>
        <source>%1  cannot be opened: %2</source>
        <translation>%1  no se puede abrir: %2</translation>
    </message>
    <message>
        <source>%1 (no port link)</source>
        <translation>%1 (sin enlace de puerto)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: no se puede abrir: %2</translation>
    </message>
    <message>
        <source>Or point the link at the right device: %1</source>
        <translation>O haga que el enlace apunte al dispositivo correcto: %1</translation>
    </message>
    <message>
        <source>%1 is not there: this computer has no %2 of its own. For a USB serial adapter, set a port link: %3</source>
        <translation>%1 no existe: este ordenador no tiene %2 propio. Para un adaptador serie USB, cree un enlace de puerto: %3</translation>
    </message>
    <message>
        <source>it is not a serial port but the system&apos;s terminal %1. Point the port link at one: %2</source>
        <translation>no es un puerto serie sino el terminal del sistema %1. Haga que el enlace de puerto apunte a uno: %2</translation>
    </message>
    <message>
        <source>it is not a serial port but a device of the kind &quot;%1&quot;. Point the port link at one: %2</source>
        <translation>no es un puerto serie sino un dispositivo del tipo «%1». Haga que el enlace de puerto apunte a uno: %2</translation>
    </message>
    <message>
        <source>there is no serial port chip behind it. For a USB serial adapter, set a port link: %1</source>
        <translation>no hay ningún chip de puerto serie detrás. Para un adaptador serie USB, cree un enlace de puerto: %1</translation>
    </message>
    <message>
        <source>%1: can be opened; it is a pseudo-terminal, which has no modem lines, so it takes the Gray cable but not the Black one</source>
        <translation>%1: se puede abrir; es un pseudoterminal, sin líneas de módem, así que admite el cable gris pero no el negro</translation>
    </message>
    <message>
        <source>USB   cannot be used on this computer: %1</source>
        <translation>USB   no se puede usar en este ordenador: %1</translation>
    </message>
    <message>
        <source>USB   no USB link cable and no calculator on its own USB port found; the udev rule is not installed</source>
        <translation>USB   no se encontró ningún cable de conexión USB ni ninguna calculadora en su propio puerto USB; la regla udev no está instalada</translation>
    </message>
    <message>
        <source>USB   no USB link cable and no calculator on its own USB port found; the udev rule is installed (%1)</source>
        <translation>USB   no se encontró ningún cable de conexión USB ni ninguna calculadora en su propio puerto USB; la regla udev está instalada (%1)</translation>
    </message>
    <message>
        <source>The udev rule is not installed.</source>
        <translation>La regla udev no está instalada.</translation>
    </message>
    <message>
        <source>The udev rule is installed (%1): plug it in again so that it applies. It gives the device to the user logged in at this computer, not to one logged in from elsewhere.</source>
        <translation>La regla udev está instalada (%1): vuelva a enchufar el dispositivo para que se aplique. Da el dispositivo al usuario que ha iniciado sesión en este ordenador, no a uno conectado desde otro lugar.</translation>
    </message>
    <message>
        <source>Serial ports belong to the dialout group: add yourself to it with &quot;sudo adduser $USER dialout&quot;, then log out and in again.</source>
        <translation>Los puertos serie pertenecen al grupo dialout: añádase a él con «sudo adduser $USER dialout» y luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>Another program is using the port; close it and try again.</source>
        <translation>Otro programa está usando el puerto; ciérrelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The port link points to %1, which is not there: is the cable or adapter plugged in?</source>
        <translation>El enlace de puerto apunta a %1, que no existe: ¿está enchufado el cable o el adaptador?</translation>
    </message>
    <message>
        <source>The port link points to %1, which has no device behind it: is the cable or adapter plugged in?</source>
        <translation>El enlace de puerto apunta a %1, que no tiene ningún dispositivo detrás: ¿está enchufado el cable o el adaptador?</translation>
    </message>
    <message>
        <source>Is the cable plugged in, and is this the right port?</source>
        <translation>¿Está enchufado el cable, y es este el puerto correcto?</translation>
    </message>
    <message>
        <source>It is not a serial port.</source>
        <translation>No es un puerto serie.</translation>
    </message>
    <message>
        <source>The cable or adapter may have been unplugged.</source>
        <translation>Puede que se haya desenchufado el cable o el adaptador.</translation>
    </message>
    <message>
        <source>The capture was cancelled.</source>
        <translation>La captura se canceló.</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>salida de error estándar</translation>
    </message>
    <message>
        <source>the trace&apos;s file</source>
        <translation>archivo de la traza</translation>
    </message>
    <message>
        <source>cannot write the trace to %1: %2</source>
        <translation>no se puede escribir la traza en %1: %2</translation>
    </message>
    <message>
        <source>its reader fell behind</source>
        <translation>su lector se quedó atrás</translation>
    </message>
    <message>
        <source>it could not begin again after %1: %2</source>
        <translation>no pudo empezar de nuevo después de %1: %2</translation>
    </message>
    <message>
        <source>the trace %1 is incomplete: %2</source>
        <translation>la traza (%1) está incompleta: %2</translation>
    </message>
    <message>
        <source>The cable code %1 is not known; 1 (Gray), 2 (Black) and 5 (USB) are.</source>
        <translation>El código de cable %1 no se conoce; se conocen 1 (gris), 2 (negro) y 5 (USB).</translation>
    </message>
    <message>
        <source>The USB cable needs a USB device name, not &quot;%1&quot;.</source>
        <translation>El cable USB necesita un nombre de dispositivo USB, no «%1».</translation>
    </message>
    <message>
        <source>A serial cable needs a serial port (COM1 to COM4), not &quot;%1&quot;.</source>
        <translation>Un cable serie necesita un puerto serie (COM1 a COM4), no «%1».</translation>
    </message>
    <message>
        <source>The USB cable needs the udev rule %1: install it with `sudo make install-udev` in Ekrano&apos;s source folder, then plug the cable in again.</source>
        <translation>El cable USB necesita la regla udev %1: instálela con `sudo make install-udev` en la carpeta de fuentes de Ekrano y vuelva a enchufar el cable.</translation>
    </message>
    <message>
        <source>The cable was pulled out; plug it in again and retry.</source>
        <translation>Se desenchufó el cable; vuelva a enchufarlo e inténtelo otra vez.</translation>
    </message>
    <message>
        <source>calculator on its own USB port</source>
        <translation>calculadora en su propio puerto USB</translation>
    </message>
    <message>
        <source>USB link cable</source>
        <translation>cable de conexión USB</translation>
    </message>
    <message>
        <source>Another program is using the cable; close it and try again.</source>
        <translation>Otro programa está usando el cable; ciérrelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 means the first USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 es el primer dispositivo USB (cable de conexión o calculadora), pero solo hay %2 conectado.</translation>
    </message>
    <message>
        <source>%1 means the first USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 es el primer dispositivo USB (cable de conexión o calculadora), pero solo hay %2 conectados.</translation>
    </message>
    <message>
        <source>%1 means the second USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 es el segundo dispositivo USB (cable de conexión o calculadora), pero solo hay %2 conectado.</translation>
    </message>
    <message>
        <source>%1 means the second USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 es el segundo dispositivo USB (cable de conexión o calculadora), pero solo hay %2 conectados.</translation>
    </message>
    <message>
        <source>%1 means the third USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 es el tercer dispositivo USB (cable de conexión o calculadora), pero solo hay %2 conectado.</translation>
    </message>
    <message>
        <source>%1 means the third USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 es el tercer dispositivo USB (cable de conexión o calculadora), pero solo hay %2 conectados.</translation>
    </message>
    <message>
        <source>%1 means the fourth USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 es el cuarto dispositivo USB (cable de conexión o calculadora), pero solo hay %2 conectado.</translation>
    </message>
    <message>
        <source>%1 means the fourth USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 es el cuarto dispositivo USB (cable de conexión o calculadora), pero solo hay %2 conectados.</translation>
    </message>
    <message>
        <source>%1 means the fifth USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 es el quinto dispositivo USB (cable de conexión o calculadora), pero solo hay %2 conectado.</translation>
    </message>
    <message>
        <source>%1 means the fifth USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 es el quinto dispositivo USB (cable de conexión o calculadora), pero solo hay %2 conectados.</translation>
    </message>
    <message>
        <source>%1 means the USB device number %3 (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 es el dispositivo USB número %3 (cable de conexión o calculadora), pero solo hay %2 conectado.</translation>
    </message>
    <message>
        <source>%1 means the USB device number %3 (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 es el dispositivo USB número %3 (cable de conexión o calculadora), pero solo hay %2 conectados.</translation>
    </message>
    <message>
        <source>USB cannot be used on this computer: %1.</source>
        <translation>No se puede usar USB en este ordenador: %1.</translation>
    </message>
    <message>
        <source>Neither a USB link cable nor a calculator on its own USB port is connected (%1). Plug the link cable into the computer and the calculator, or the calculator straight into the computer with its own USB cable, or choose another cable in the link settings.</source>
        <translation>No hay conectado ningún cable de conexión USB ni ninguna calculadora en su propio puerto USB (%1). Conecte el cable de conexión al ordenador y a la calculadora, o la calculadora directamente al ordenador con su propio cable USB, o elija otro cable en el menú Conexión.</translation>
    </message>
    <message>
        <source>it is not a port link but a folder. Move it away and set the link: %1</source>
        <translation>no es un enlace de puerto sino una carpeta. Muévala a otro sitio y cree el enlace: %1</translation>
    </message>
    <message>
        <source>USB   %1, bus %2 address %3 (%4): a calculator with a colour screen, which Ekrano cannot read; it reads the calculators with the 96 x 64 monochrome screen</source>
        <translation>USB   %1, bus %2 dirección %3 (%4): una calculadora con pantalla en color, que Ekrano no puede leer; lee las calculadoras con la pantalla monocroma de 96 x 64</translation>
    </message>
    <message>
        <source>calculator with a colour screen</source>
        <translation>calculadora con pantalla en color</translation>
    </message>
    <message>
        <source>The calculator on its own USB port does not have the 96 x 64 monochrome screen that Ekrano reads, so Ekrano cannot read its screen.</source>
        <translation>La calculadora en su propio puerto USB no tiene la pantalla monocroma de 96 x 64 que lee Ekrano, así que Ekrano no puede leer su pantalla.</translation>
    </message>
    <message>
        <source>The calculator %1 does not have the 96 x 64 monochrome screen that Ekrano reads, so Ekrano cannot read its screen.</source>
        <translation>La calculadora %1 no tiene la pantalla monocroma de 96 x 64 que lee Ekrano, así que Ekrano no puede leer su pantalla.</translation>
    </message>
    <message>
        <source>The calculator plugged in (%1), %2, has a colour screen, which Ekrano cannot read: Ekrano reads the calculators with the 96 x 64 monochrome screen, on their own USB port or through a link cable.</source>
        <translation>La calculadora conectada (%1), %2, tiene una pantalla en color, que Ekrano no puede leer: Ekrano lee las calculadoras con la pantalla monocroma de 96 x 64, en su propio puerto USB o con un cable de conexión.</translation>
    </message>
    <message>
        <source>USB cable, %1</source>
        <translation>Cable USB, %1</translation>
    </message>
    <message>
        <source>USB   %1 (%2, %3): %4, bus %5 address %6 (%7)</source>
        <translation>USB   %1 (%2, %3): %4, bus %5 dirección %6 (%7)</translation>
    </message>
    <message>
        <source>Neither a USB link cable nor a calculator on its own USB port is plugged in at USB port %2 (%1). Plug it in there again, or see where each one is plugged in with `ekrano-capture --list`.</source>
        <translation>No hay ningún cable de conexión USB ni ninguna calculadora en su propio puerto USB enchufado en el puerto USB %2 (%1). Vuelva a enchufar el dispositivo ahí, o vea dónde está enchufado cada uno con `ekrano-capture --list`.</translation>
    </message>
</context>
<context>
    <name>choiceoptions</name>
    <message>
        <source>port</source>
        <translation>puerto</translation>
    </message>
    <message>
        <source>The cable: black, gray or usb.</source>
        <translation>El cable: black (negro), gray (gris) o usb.</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>cable</translation>
    </message>
    <message>
        <source>The side of a calculator pixel in screen pixels: 0.1 to 5, in steps of 0.1.</source>
        <translation>El lado de un píxel de la calculadora en píxeles de la pantalla: 0.1 a 5, en pasos de 0.1.</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>factor</translation>
    </message>
    <message>
        <source>Draw the frame.</source>
        <translation>Dibujar el borde.</translation>
    </message>
    <message>
        <source>Draw no frame.</source>
        <translation>No dibujar el borde.</translation>
    </message>
    <message>
        <source>The colour of the dark pixels and the frame.</source>
        <translation>El color de los píxeles oscuros y del borde.</translation>
    </message>
    <message>
        <source>The colour behind them.</source>
        <translation>El color detrás de ellos.</translation>
    </message>
    <message>
        <source>--cable takes black, gray or usb, not &apos;%1&apos;</source>
        <translation>--cable admite black, gray o usb, no «%1»</translation>
    </message>
    <message>
        <source>--port %1 is a USB device, for the USB cable (--cable usb)</source>
        <translation>--port %1 es un dispositivo USB, para el cable USB (--cable usb)</translation>
    </message>
    <message>
        <source>--zoom takes 0.1 to 5 in steps of 0.1, not &apos;%1&apos;</source>
        <translation>--zoom admite de 0.1 a 5 en pasos de 0.1, no «%1»</translation>
    </message>
    <message>
        <source>--border and --no-border exclude each other</source>
        <translation>--border y --no-border se excluyen</translation>
    </message>
    <message>
        <source>--%1 takes a colour as #rrggbb, not &apos;%2&apos;</source>
        <translation>--%1 admite un color como #rrggbb, no «%2»</translation>
    </message>
    <message>
        <source>--port takes USB0 to USB99 for a USB device, not &apos;%1&apos;</source>
        <translation>--port admite de USB0 a USB99 para un dispositivo USB, no «%1»</translation>
    </message>
    <message>
        <source>The serial port: COM1 to COM4; or, with the USB cable, the USB device: USB0 (the first), USB1 ..., link cables and calculators on their own USB port counted together, or where it is plugged in, as --list shows it: USB-1-1.3.</source>
        <translation>El puerto serie: COM1 a COM4; o, con el cable USB, el dispositivo USB: USB0 (el primero), USB1 ..., cables de conexión y calculadoras en su propio puerto USB contados juntos, o dónde está enchufado, como lo muestra --list: USB-1-1.3.</translation>
    </message>
    <message>
        <source>--port takes COM1, COM2, COM3 or COM4, or with the USB cable USB0, USB1 ... or where the device is plugged in, as USB-1-1.3, not &apos;%1&apos;</source>
        <translation>--port admite COM1, COM2, COM3 o COM4, o con el cable USB USB0, USB1 ... o el lugar donde está enchufado el dispositivo, como USB-1-1.3, no «%1»</translation>
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
        <translation>Uso: ekrano-calc [OPCIÓN]...
Hace de calculadora con pantalla de 96 x 64 en un pseudoterminal, habla el
flujo de bytes del cable gris y escribe la ruta del terminal en una línea.

  --link RUTA           hace además de RUTA un enlace simbólico al terminal,
                        por ejemplo ~/.config/Ekrano/ports/COM1 (se crean las
                        carpetas; un enlace simbólico existente se reemplaza,
                        todo lo demás se deja como está); el enlace se quita
                        al salir
  --animate             sirve un gráfico que se va dibujando, un paso más en
                        cada petición, en lugar del gráfico incorporado
  --screen ARCHIVO      sirve esta imagen PNG o PBM de 96 x 64 en lugar del
                        gráfico incorporado (oscuro = por debajo de la mitad
                        de la luminancia)
  --silent              no responde nunca
  --late MS             responde solo tras MS milisegundos (cifras, 0 a
                        600000)
  --bad-checksum once|always
                        envía la pantalla con una suma de comprobación errónea
                        la primera vez de cada petición (once), o todas las
                        veces (always)
  --wrong-length        envía 769 bytes de pantalla en lugar de 768
  --skip                rechaza todas las peticiones
  --wrong-machine-id    envía la pantalla desde un identificador de máquina
                        que ninguna calculadora usa
  --slow-reader MS      tras enviar la pantalla, no lee nada durante MS
                        milisegundos, con su entrada acumulándose mientras
  --help                muestra esta ayuda y sale

Un equipo que no confirma una pantalla en 2 s (el ACK final) se indica en la
salida de error. Se detiene con Ctrl-C (SIGINT) o SIGTERM.
</translation>
    </message>
    <message>
        <source>Try &apos;ekrano-calc --help&apos;.</source>
        <translation>Pruebe «ekrano-calc --help».</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 necesita una ruta</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 necesita un archivo</translation>
    </message>
    <message>
        <source>%1 needs a number of milliseconds</source>
        <translation>%1 necesita un número de milisegundos</translation>
    </message>
    <message>
        <source>%1 takes 0 to 600000 milliseconds, not &apos;%2&apos;</source>
        <translation>%1 admite de 0 a 600000 milisegundos, no «%2»</translation>
    </message>
    <message>
        <source>%1 needs once or always</source>
        <translation>%1 necesita once o always</translation>
    </message>
    <message>
        <source>--bad-checksum takes once or always, not &apos;%1&apos;</source>
        <translation>--bad-checksum admite once o always, no «%1»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>choose one way to misbehave at a time</source>
        <translation>elija una sola forma de fallar a la vez</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 exists and is not a symbolic link; not replacing it</source>
        <translation>%1 existe y no es un enlace simbólico; no se reemplaza</translation>
    </message>
    <message>
        <source>cannot make the link %1: %2</source>
        <translation>no se puede crear el enlace %1: %2</translation>
    </message>
    <message>
        <source>%1: a folder, not a picture</source>
        <translation>%1: una carpeta, no una imagen</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels; a screen is 96 x 64</source>
        <translation>%1: la imagen mide %2 x %3 píxeles; una pantalla mide 96 x 64</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG or PBM): %2</source>
        <translation>%1: no es una imagen legible (PNG o PBM): %2</translation>
    </message>
</context>
<context>
    <name>ekrano-live</name>
    <message>
        <source>%1; see ekrano-live --help</source>
        <translation>%1; consulte ekrano-live --help</translation>
    </message>
    <message>
        <source>Shows the calculator&apos;s screen as it changes, read over and over with Ekrano&apos;s link settings and colours. The options change the stored settings for this run only.</source>
        <translation>Muestra la pantalla de la calculadora mientras cambia, leída una y otra vez con los ajustes de conexión y los colores de Ekrano. Las opciones cambian los ajustes guardados solo para esta vez.</translation>
    </message>
    <message>
        <source>Show every calculator plugged in, side by side: each USB device Ekrano reads, and each COM port with a port link, on the serial cable of --cable (Gray unless Black is given or stored).</source>
        <translation>Muestra todas las calculadoras conectadas, una junto a otra: cada dispositivo USB que Ekrano lee y cada puerto COM con un enlace de puerto, con el cable serie de --cable (Gray, salvo que se indique o esté guardado Black).</translation>
    </message>
    <message>
        <source>--all reads every calculator, --port names one</source>
        <translation>--all lee todas las calculadoras, --port nombra una</translation>
    </message>
    <message>
        <source>--all reads every USB device; its --cable, for the serial ports, is black or gray</source>
        <translation>--all lee todos los dispositivos USB; ahí --cable vale para los puertos serie y es black o gray</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>no screen was recorded</source>
        <translation>no se grabó ninguna pantalla</translation>
    </message>
    <message>
        <source>the scale %1 is not a whole number from 1 to %2</source>
        <translation>el tamaño %1 no es un número entero de 1 a %2</translation>
    </message>
</context>
<context>
    <name>settingsfile</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo de bloques</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>of a kind Ekrano does not know</source>
        <translation>de un tipo que Ekrano no conoce</translation>
    </message>
    <message>
        <source>it is a link to %1, which is %2, not a file</source>
        <translation>es un enlace a %1, que es %2, no un archivo</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>es %1, no un archivo</translation>
    </message>
    <message>
        <source>it is %1 bytes, far more than settings take, so it is taken to be damaged</source>
        <translation>ocupa %1 bytes, mucho más de lo que ocupan unos ajustes, así que se da por dañado</translation>
    </message>
    <message>
        <source>Ekrano did not read its settings from %1: %2; the defaults are used.</source>
        <translation>Ekrano no leyó sus ajustes de %1: %2; se usan los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>Ekrano could not save its settings to %1: %2.</source>
        <translation>Ekrano no pudo guardar sus ajustes en %1: %2.</translation>
    </message>
    <message>
        <source>they could not be read when it started (%1), so the file is kept as it is</source>
        <translation>no se pudieron leer al iniciar (%1), así que el archivo se deja como está</translation>
    </message>
    <message>
        <source>the new settings did not read back as they were meant to, so the file is kept as it is</source>
        <translation>los nuevos ajustes no se releían como debían, así que el archivo se deja como está</translation>
    </message>
    <message>
        <source>the new file would be %1 bytes, more than Ekrano reads back</source>
        <translation>el nuevo archivo ocuparía %1 bytes, más de lo que Ekrano vuelve a leer</translation>
    </message>
</context>
</TS>
