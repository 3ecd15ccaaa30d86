<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CaptureCommand</name>
    <message>
        <source>--%1 takes a whole number from 1 to %2, not &apos;%3&apos;</source>
        <translation>--%1 prend un nombre entier de 1 à %2, pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>--%1 is for a recording: give --record too</source>
        <translation>--%1 sert à un enregistrement&#xa0;: ajoutez aussi --record</translation>
    </message>
    <message>
        <source>--%1 is for a PNG: a recording is drawn at --scale</source>
        <translation>--%1 sert à un PNG&#xa0;: un enregistrement est dessiné à la taille --scale</translation>
    </message>
    <message>
        <source>say which FILE to write the picture to (- for standard output)</source>
        <translation>indiquez dans quel FICHIER écrire l&apos;image (- pour la sortie standard)</translation>
    </message>
    <message>
        <source>give one FILE, not %1</source>
        <translation>donnez un seul FICHIER, pas %1</translation>
    </message>
    <message>
        <source>FILE is empty: say which file to write the picture to (- for standard output)</source>
        <translation>FICHIER est vide&#xa0;: indiquez dans quel fichier écrire l&apos;image (- pour la sortie standard)</translation>
    </message>
    <message>
        <source>it was closed when ekrano-capture started</source>
        <translation>il était fermé au démarrage d&apos;ekrano-capture</translation>
    </message>
    <message>
        <source>nothing reads from the named pipe</source>
        <translation>personne ne lit le tube nommé</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>la sortie standard</translation>
    </message>
    <message>
        <source>no screen was recorded</source>
        <translation>aucun écran n&apos;a été enregistré</translation>
    </message>
    <message>
        <source>the recording stopped at one hour</source>
        <translation>l&apos;enregistrement s&apos;est arrêté au bout d&apos;une heure</translation>
    </message>
    <message>
        <source>cannot make the picture: %1</source>
        <translation>impossible de créer l&apos;image&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The PNG (or with --record the GIF) to write; - for standard output.</source>
        <translation>Le PNG (ou avec --record le GIF) à écrire&#xa0;; - pour la sortie standard.</translation>
    </message>
    <message>
        <source>The bare 96 x 64 screen, one pixel a calculator pixel, black on white.</source>
        <translation>L&apos;écran seul, en 96 x 64, un pixel par pixel de la calculatrice, noir sur blanc.</translation>
    </message>
    <message>
        <source>Write what the capture does, for a bug report, to TFILE (- for standard error).</source>
        <translation>Écrire ce que fait la capture, pour un rapport de bogue, dans TFICHIER (- pour la sortie d&apos;erreur standard).</translation>
    </message>
    <message>
        <source>Show where COM1 to COM4 lead, the USB devices (USB0, USB1 ...: link cables and calculators on their own USB port) and whether each can be opened now, then exit.</source>
        <translation>Montrer où mènent COM1 à COM4, les appareils USB (USB0, USB1 ...&#xa0;: câbles de liaison et calculatrices sur leur propre port USB) et si chacun peut être ouvert maintenant, puis quitter.</translation>
    </message>
    <message>
        <source>Record the screen as it changes, for at most an hour, and write it as an animated GIF.</source>
        <translation>Enregistrer l&apos;écran à mesure qu&apos;il change, une heure au plus, et l&apos;écrire en GIF animé.</translation>
    </message>
    <message>
        <source>With --record: stop after N seconds.</source>
        <translation>Avec --record&#xa0;: s&apos;arrêter après N secondes.</translation>
    </message>
    <message>
        <source>With --record: stop after N screens.</source>
        <translation>Avec --record&#xa0;: s&apos;arrêter après N écrans.</translation>
    </message>
    <message>
        <source>With --record: draw each calculator pixel as a square of N pixels (1 to 32; 4 if not given).</source>
        <translation>Avec --record&#xa0;: dessiner chaque pixel de la calculatrice comme un carré de N pixels (1 à 32&#xa0;; 4 par défaut).</translation>
    </message>
    <message>
        <source>%1; see ekrano-capture --help</source>
        <translation>%1&#xa0;; voir ekrano-capture --help</translation>
    </message>
    <message>
        <source>--trace names the picture&apos;s own file, which would replace the trace</source>
        <translation>--trace désigne le fichier de l&apos;image elle-même, qui remplacerait la trace</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>the trace %1 is incomplete: %2</source>
        <translation>la trace (%1) est incomplète&#xa0;: %2</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>sortie d&apos;erreur standard</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>TFILE</source>
        <translation>TFICHIER</translation>
    </message>
    <message>
        <source>cancelled before the first screen: no screen was recorded</source>
        <translation>annulé avant le premier écran&#xa0;: aucun écran n&apos;a été enregistré</translation>
    </message>
    <message>
        <source>abandoned while it was written: the recording of %1 and %2 screens is lost</source>
        <translation>abandonnée pendant son écriture&#xa0;: la séquence de %1 et %2 écrans est perdue</translation>
    </message>
    <message>
        <source>abandoned while it was written: the recording of %1 and %2 screens is lost, and what went to %3 is incomplete</source>
        <translation>abandonnée pendant son écriture&#xa0;: la séquence de %1 et %2 écrans est perdue, et ce qui est parti vers %3 est incomplet</translation>
    </message>
    <message>
        <source>Writing the recording…</source>
        <translation>Écriture de la séquence…</translation>
    </message>
    <message>
        <source>FILE is %1, the port the capture reads</source>
        <translation>FICHIER est %1, le port que la capture lit</translation>
    </message>
    <message>
        <source>--trace names %1, the port the capture reads</source>
        <translation>--trace désigne %1, le port que la capture lit</translation>
    </message>
    <message>
        <source>FOLDER is empty: say which folder --all writes the pictures into</source>
        <translation>DOSSIER est vide&#xa0;: indiquez dans quel dossier --all écrit les images</translation>
    </message>
    <message>
        <source>--all writes each picture into FOLDER: give no FILE</source>
        <translation>--all écrit chaque image dans DOSSIER&#xa0;: ne donnez aucun FICHIER</translation>
    </message>
    <message>
        <source>--%1 is for one calculator, not for --all</source>
        <translation>--%1 sert à une seule calculatrice, pas à --all</translation>
    </message>
    <message>
        <source>--all reads every USB device anyway: --cable takes black or gray with it, for the COM ports</source>
        <translation>--all lit de toute façon chaque appareil USB&#xa0;: avec lui, --cable prend black ou gray, pour les ports COM</translation>
    </message>
    <message>
        <source>cannot write into %1: %2</source>
        <translation>impossible d&apos;écrire dans le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no calculator to read: no COM port has a port link, and no link cable or calculator is plugged in by USB</source>
        <translation>aucune calculatrice à lire&#xa0;: aucun port COM n&apos;a de lien de port, et aucun câble de liaison ni aucune calculatrice n&apos;est branché en USB</translation>
    </message>
    <message>
        <source>%1 calculators are plugged in, and ekrano-capture --all reads at most %2</source>
        <translation>%1 calculatrices sont branchées, et ekrano-capture --all en lit au plus %2</translation>
    </message>
    <message>
        <source>it is %1, the port a capture reads</source>
        <translation>c&apos;est %1, un port que lit une capture</translation>
    </message>
    <message>
        <source>cannot read every calculator at once: %1</source>
        <translation>impossible de lire toutes les calculatrices à la fois&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reads the calculator&apos;s screen once with Ekrano&apos;s link settings, draws it with Ekrano&apos;s look and writes it to FILE as a PNG; with --record, reads it over and over until Ctrl-C, SIGTERM, --seconds or --screens and writes what it read to FILE as an animated GIF; with --all FOLDER, reads every calculator plugged in at the same time, each into a PNG of its own in FOLDER. The options change the stored settings for this run only.</source>
        <translation>Lit une fois l&apos;écran de la calculatrice avec les réglages de liaison d&apos;Ekrano, le dessine comme Ekrano et l&apos;écrit dans FICHIER en PNG&#xa0;; avec --record, le lit encore et encore jusqu&apos;à Ctrl-C, SIGTERM, --seconds ou --screens et écrit ce qu&apos;il a lu dans FICHIER en GIF animé&#xa0;; avec --all DOSSIER, lit en même temps toutes les calculatrices branchées, chacune dans son propre PNG dans DOSSIER. Les options ne changent les réglages enregistrés que pour cette fois.</translation>
    </message>
    <message>
        <source>Capture every calculator plugged in, all at the same time, each into FOLDER/PLACE.png (COM1.png, USB-1-1.3.png ...), and say on standard output how each went: the COM ports with a port link, on the cable --cable gives (black or gray; else the stored one, or gray), and every USB device. FOLDER is made if it is not there.</source>
        <translation>Capturer toutes les calculatrices branchées, toutes en même temps, chacune dans DOSSIER/EMPLACEMENT.png (COM1.png, USB-1-1.3.png ...), et dire sur la sortie standard comment chacune s&apos;est passée&#xa0;: les ports COM qui ont un lien de port, sur le câble que donne --cable (black ou gray&#xa0;; sinon celui enregistré, ou gray), et chaque appareil USB. DOSSIER est créé s&apos;il n&apos;existe pas.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>--list and --all exclude each other</source>
        <translation>--list et --all s&apos;excluent</translation>
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
        <translation>Recherche des calculatrices…</translation>
    </message>
    <message>
        <source>Show this calculator alone</source>
        <translation>Afficher cette calculatrice seule</translation>
    </message>
    <message>
        <source>Back to the whole class</source>
        <translation>Revenir à toute la classe</translation>
    </message>
    <message>
        <source>Name this calculator...</source>
        <translation>Nommer cette calculatrice...</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pause ou reprise</translation>
    </message>
    <message>
        <source>Copy the screen</source>
        <translation>Copier l&apos;écran</translation>
    </message>
    <message>
        <source>Save the screen...</source>
        <translation>Enregistrer l&apos;écran...</translation>
    </message>
    <message>
        <source>Record or stop recording</source>
        <translation>Démarrer ou arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Calculators read: %1 of %2 · %3 screens/s</source>
        <translation>Calculatrices lues&#xa0;: %1 sur %2 · %3 écrans/s</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>%1 more not read: Ekrano Live reads at most %2 calculators at once</source>
        <translation>%1 de plus non lues&#xa0;: Ekrano Live lit au plus %2 calculatrices à la fois</translation>
    </message>
    <message>
        <source>Name this calculator</source>
        <translation>Nommer cette calculatrice</translation>
    </message>
    <message>
        <source>No calculator is plugged in. Plug calculators in by USB, or make port links for COM1 to COM4 (man ekrano-live).</source>
        <translation>Aucune calculatrice n&apos;est branchée. Branchez des calculatrices en USB, ou créez des liens de port pour COM1 à COM4 (man ekrano-live).</translation>
    </message>
    <message>
        <source>Name to show for the calculator on %1 (leave empty to show %1):</source>
        <translation>Nom à afficher pour la calculatrice sur %1 (laisser vide pour afficher %1)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Screenshot to Clipboard</source>
        <translation>&amp;Copier l&apos;écran</translation>
    </message>
    <message>
        <source>Grabbing...</source>
        <translation>Lecture...</translation>
    </message>
    <message>
        <source>&amp;Screenshot</source>
        <translation>&amp;Capture</translation>
    </message>
    <message>
        <source>the capture failed: %1</source>
        <translation>la capture a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>The capture could not start: %1.</source>
        <translation>La capture n&apos;a pas pu démarrer&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Ekrano version 2

Pick the port and cable under Link Settings, then press the button: the screen lands on the clipboard.</source>
        <translation>Ekrano version 2

Choisissez le port et le câble dans Liaison, puis appuyez sur le bouton&#xa0;: l&apos;écran arrive dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Ekrano ver 2.0</source>
        <translation>Ekrano version 2.0</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Link Settings</source>
        <translation>&amp;Liaison</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>C&amp;ouleurs</translation>
    </message>
    <message>
        <source>&amp;Foreground</source>
        <translation>&amp;Premier plan</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Arrière-plan</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Uni</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Dégradé</translation>
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
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Waiting for the calculator</source>
        <translation>En attente de la calculatrice</translation>
    </message>
    <message>
        <source>The calculator answered wrongly: %1</source>
        <translation>La calculatrice a mal répondu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Débranchée</translation>
    </message>
    <message>
        <source>%1 · %2 screens/s · %3</source>
        <translation>%1 · %2 écrans/s · %3</translation>
    </message>
    <message>
        <source>Save the screen</source>
        <translation>Enregistrer l&apos;écran</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>The screen could not be saved to %1: %2.</source>
        <translation>L&apos;écran n&apos;a pas pu être enregistré dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>LiveRecorder</name>
    <message>
        <source>Recording %1</source>
        <translation>Enregistrement %1</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Enregistré %1</translation>
    </message>
    <message>
        <source>%1 · %2 screens</source>
        <translation>%1 · %2 écrans</translation>
    </message>
    <message>
        <source>%1, stopped at one hour</source>
        <translation>%1, arrêté au bout d&apos;une heure</translation>
    </message>
    <message>
        <source>Save the recording, which stopped at one hour</source>
        <translation>Enregistrer la séquence, arrêtée au bout d&apos;une heure</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Enregistrer la séquence</translation>
    </message>
    <message>
        <source>GIF pictures (*.gif)</source>
        <translation>Images GIF (*.gif)</translation>
    </message>
    <message>
        <source>Ekrano Live</source>
        <translation>Ekrano Live</translation>
    </message>
    <message>
        <source>Discard the recording of %1?</source>
        <translation>Abandonner la séquence de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Save it</source>
        <translation>L&apos;enregistrer</translation>
    </message>
    <message>
        <source>The recording could not be saved to %1: %2.

It is kept: choose another place.</source>
        <translation>La séquence n&apos;a pas pu être enregistrée dans %1&#xa0;: %2.

Elle est conservée&#xa0;: choisissez un autre emplacement.</translation>
    </message>
    <message>
        <source>the recording was saved to %1</source>
        <translation>la séquence a été enregistrée dans %1</translation>
    </message>
    <message>
        <source>the recording could not be saved to %1: %2</source>
        <translation>la séquence n&apos;a pas pu être enregistrée dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>the recording could not be made into a GIF: %1</source>
        <translation>la séquence n&apos;a pas pu être transformée en GIF&#xa0;: %1</translation>
    </message>
    <message>
        <source>the recording could not be saved in %1: %2</source>
        <translation>la séquence n&apos;a pas pu être enregistrée dans le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the recording of %1 is lost: no folder could take it</source>
        <translation>la séquence de %1 est perdue&#xa0;: aucun dossier n&apos;a pu la recevoir</translation>
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
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pause ou reprise</translation>
    </message>
    <message>
        <source>Copy the screen</source>
        <translation>Copier l&apos;écran</translation>
    </message>
    <message>
        <source>Save the screen...</source>
        <translation>Enregistrer l&apos;écran...</translation>
    </message>
    <message>
        <source>Record or stop recording</source>
        <translation>Démarrer ou arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TileNames</name>
    <message>
        <source>The names of the calculators could not be read from %1: %2. The names given now hold for this run only; the file is left as it is until it is corrected or removed.</source>
        <translation>Les noms des calculatrices n&apos;ont pas pu être lus dans %1&#xa0;: %2. Les noms donnés maintenant ne valent que pour cette fois&#xa0;; le fichier reste tel quel jusqu&apos;à ce qu&apos;il soit corrigé ou supprimé.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 KB</source>
        <translation>il fait plus de %1&#xa0;Ko</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>line %1 is not a place, &quot;=&quot; and a name</source>
        <translation>la ligne %1 n&apos;est pas un port, «&#xa0;=&#xa0;» et un nom</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>The names of the calculators could not be saved to %1: %2. The file is left as it was, and the new name holds for this run only.</source>
        <translation>Les noms des calculatrices n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2. Le fichier reste tel qu&apos;il était, et le nouveau nom ne vaut que jusqu&apos;à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>calclink</name>
    <message>
        <source>USB cable</source>
        <translation>Câble USB</translation>
    </message>
    <message>
        <source>%1, Gray cable</source>
        <translation>%1, câble gris</translation>
    </message>
    <message>
        <source>%1, Black cable</source>
        <translation>%1, câble noir</translation>
    </message>
    <message>
        <source>GetScreen needs an open link; Connect was not called or failed.</source>
        <translation>GetScreen demande une liaison ouverte&#xa0;; Connect n&apos;a pas été appelé ou a échoué.</translation>
    </message>
    <message>
        <source>The screen format %1 is not known; only 26 is.</source>
        <translation>Le format d&apos;écran %1 est inconnu&#xa0;; seul 26 est connu.</translation>
    </message>
    <message>
        <source>No screen has been read from the calculator yet.</source>
        <translation>Aucun écran n&apos;a encore été lu sur la calculatrice.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
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
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Ekrano Error</source>
        <translation>Erreur d&apos;Ekrano</translation>
    </message>
    <message>
        <source>Error...<byte value="xd"/>
Check calculator, connection, &amp; &apos;Link Settings&apos;</source>
        <translation>Erreur...<byte value="xd"/>
Vérifiez la calculatrice, le branchement et le menu «&#xa0;Liaison&#xa0;»</translation>
    </message>
    <message>
        <source>The device name &quot;%1&quot; is not known; the link knows COM1 to COM4 and \\.\Usb0.</source>
        <translation>Le nom d&apos;appareil «&#xa0;%1&#xa0;» est inconnu&#xa0;; la liaison connaît COM1 à COM4 et \\.\Usb0.</translation>
    </message>
    <message>
        <source>The port link of %1 cannot be looked up in the ports folder %2: %3. Make it a folder you can read, or remove it to use %4.</source>
        <translation>Le lien de port de %1 ne peut pas être cherché dans le dossier des ports %2&#xa0;: %3. Faites-en un dossier que vous pouvez lire, ou supprimez-le pour utiliser %4.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>L&apos;ouverture de %1 a échoué&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Setting up %1 failed: %2.</source>
        <translation>La configuration de %1 a échoué&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <translation>La lecture de %1 a échoué&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2.</source>
        <translation>L&apos;écriture sur %1 a échoué&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Using the modem lines of %1 failed: %2.</source>
        <translation>L&apos;utilisation des lignes de modem de %1 a échoué&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Setting the modem lines of %1 failed: %2.</source>
        <translation>Le réglage des lignes de modem de %1 a échoué&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Reading the modem lines of %1 failed: %2.</source>
        <translation>La lecture des lignes de modem de %1 a échoué&#xa0;: %2.</translation>
    </message>
    <message>
        <source>This port has no modem lines (DTR, RTS, CTS and DSR), so the Black cable cannot work on it; choose a real serial port or a USB serial adapter, or the Gray cable.</source>
        <translation>Ce port n&apos;a pas de lignes de modem (DTR, RTS, CTS et DSR), le câble noir ne peut donc pas y fonctionner&#xa0;; choisissez un vrai port série ou un adaptateur série USB, ou le câble gris.</translation>
    </message>
    <message>
        <source>it is not a serial port but a folder. Point the port link at one: %1</source>
        <translation>ce n&apos;est pas un port série mais un dossier. Faites pointer le lien de port vers un port série&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a named pipe. Point the port link at one: %1</source>
        <translation>ce n&apos;est pas un port série mais un tube nommé. Faites pointer le lien de port vers un port série&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a socket. Point the port link at one: %1</source>
        <translation>ce n&apos;est pas un port série mais un socket. Faites pointer le lien de port vers un port série&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is not a serial port but a file. Point the port link at one: %1</source>
        <translation>ce n&apos;est pas un port série mais un fichier. Faites pointer le lien de port vers un port série&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: can be opened</source>
        <translation>%1&#xa0;: peut être ouvert</translation>
    </message>
    <message>
        <source>%1  cannot be opened: %2</source>
        <translation>%1  ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 (no port link)</source>
        <translation>%1 (pas de lien de port)</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1&#xa0;: ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>Or point the link at the right device: %1</source>
        <translation>Ou faites pointer le lien vers le bon appareil&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is not there: this computer has no %2 of its own. For a USB serial adapter, set a port link: %3</source>
        <translation>%1 n&apos;existe pas&#xa0;: cet ordinateur n&apos;a pas de %2 à lui. Pour un adaptateur série USB, créez un lien de port&#xa0;: %3</translation>
    </message>
    <message>
        <source>it is not a serial port but the system&apos;s terminal %1. Point the port link at one: %2</source>
        <translation>ce n&apos;est pas un port série mais le terminal du système %1. Faites pointer le lien de port vers un port série&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not a serial port but a device of the kind &quot;%1&quot;. Point the port link at one: %2</source>
        <translation>ce n&apos;est pas un port série mais un appareil du type «&#xa0;%1&#xa0;». Faites pointer le lien de port vers un port série&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no serial port chip behind it. For a USB serial adapter, set a port link: %1</source>
        <translation>il n&apos;y a pas de puce de port série derrière. Pour un adaptateur série USB, créez un lien de port&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: can be opened; it is a pseudo-terminal, which has no modem lines, so it takes the Gray cable but not the Black one</source>
        <translation>%1&#xa0;: peut être ouvert&#xa0;; c&apos;est un pseudo-terminal, sans lignes de modem, il accepte donc le câble gris mais pas le noir</translation>
    </message>
    <message>
        <source>USB   cannot be used on this computer: %1</source>
        <translation>USB   inutilisable sur cet ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>USB   no USB link cable and no calculator on its own USB port found; the udev rule is not installed</source>
        <translation>USB   aucun câble de liaison USB ni aucune calculatrice sur son propre port USB trouvé&#xa0;; la règle udev n&apos;est pas installée</translation>
    </message>
    <message>
        <source>USB   no USB link cable and no calculator on its own USB port found; the udev rule is installed (%1)</source>
        <translation>USB   aucun câble de liaison USB ni aucune calculatrice sur son propre port USB trouvé&#xa0;; la règle udev est installée (%1)</translation>
    </message>
    <message>
        <source>The udev rule is not installed.</source>
        <translation>La règle udev n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>The udev rule is installed (%1): plug it in again so that it applies. It gives the device to the user logged in at this computer, not to one logged in from elsewhere.</source>
        <translation>La règle udev est installée (%1)&#xa0;: rebranchez l&apos;appareil pour qu&apos;elle s&apos;applique. Elle donne l&apos;appareil à l&apos;utilisateur connecté devant cet ordinateur, pas à un utilisateur connecté à distance.</translation>
    </message>
    <message>
        <source>Serial ports belong to the dialout group: add yourself to it with &quot;sudo adduser $USER dialout&quot;, then log out and in again.</source>
        <translation>Les ports série appartiennent au groupe dialout&#xa0;: ajoutez-vous-y avec «&#xa0;sudo adduser $USER dialout&#xa0;», puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Another program is using the port; close it and try again.</source>
        <translation>Un autre programme utilise le port&#xa0;; fermez-le et réessayez.</translation>
    </message>
    <message>
        <source>The port link points to %1, which is not there: is the cable or adapter plugged in?</source>
        <translation>Le lien de port pointe vers %1, qui n&apos;existe pas&#xa0;: le câble ou l&apos;adaptateur est-il branché&#xa0;?</translation>
    </message>
    <message>
        <source>The port link points to %1, which has no device behind it: is the cable or adapter plugged in?</source>
        <translation>Le lien de port pointe vers %1, derrière lequel il n&apos;y a aucun appareil&#xa0;: le câble ou l&apos;adaptateur est-il branché&#xa0;?</translation>
    </message>
    <message>
        <source>Is the cable plugged in, and is this the right port?</source>
        <translation>Le câble est-il branché, et est-ce le bon port&#xa0;?</translation>
    </message>
    <message>
        <source>It is not a serial port.</source>
        <translation>Ce n&apos;est pas un port série.</translation>
    </message>
    <message>
        <source>The cable or adapter may have been unplugged.</source>
        <translation>Le câble ou l&apos;adaptateur a peut-être été débranché.</translation>
    </message>
    <message>
        <source>The capture was cancelled.</source>
        <translation>La capture a été annulée.</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>sortie d&apos;erreur standard</translation>
    </message>
    <message>
        <source>the trace&apos;s file</source>
        <translation>fichier de la trace</translation>
    </message>
    <message>
        <source>cannot write the trace to %1: %2</source>
        <translation>impossible d&apos;écrire la trace dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>its reader fell behind</source>
        <translation>son lecteur a pris du retard</translation>
    </message>
    <message>
        <source>it could not begin again after %1: %2</source>
        <translation>elle n&apos;a pas pu recommencer après %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the trace %1 is incomplete: %2</source>
        <translation>la trace (%1) est incomplète&#xa0;: %2</translation>
    </message>
    <message>
        <source>The cable code %1 is not known; 1 (Gray), 2 (Black) and 5 (USB) are.</source>
        <translation>Le code de câble %1 est inconnu&#xa0;; 1 (gris), 2 (noir) et 5 (USB) sont connus.</translation>
    </message>
    <message>
        <source>The USB cable needs a USB device name, not &quot;%1&quot;.</source>
        <translation>Le câble USB demande un nom d&apos;appareil USB, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>A serial cable needs a serial port (COM1 to COM4), not &quot;%1&quot;.</source>
        <translation>Un câble série demande un port série (COM1 à COM4), pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The USB cable needs the udev rule %1: install it with `sudo make install-udev` in Ekrano&apos;s source folder, then plug the cable in again.</source>
        <translation>Le câble USB a besoin de la règle udev %1&#xa0;: installez-la avec `sudo make install-udev` dans le dossier des sources d&apos;Ekrano, puis rebranchez le câble.</translation>
    </message>
    <message>
        <source>The cable was pulled out; plug it in again and retry.</source>
        <translation>Le câble a été débranché&#xa0;; rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>calculator on its own USB port</source>
        <translation>calculatrice sur son propre port USB</translation>
    </message>
    <message>
        <source>USB link cable</source>
        <translation>câble de liaison USB</translation>
    </message>
    <message>
        <source>Another program is using the cable; close it and try again.</source>
        <translation>Un autre programme utilise le câble&#xa0;; fermez-le et réessayez.</translation>
    </message>
    <message>
        <source>%1 means the first USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 désigne le premier appareil USB (câble de liaison ou calculatrice), mais seul %2 est branché.</translation>
    </message>
    <message>
        <source>%1 means the first USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 désigne le premier appareil USB (câble de liaison ou calculatrice), mais seuls %2 sont branchés.</translation>
    </message>
    <message>
        <source>%1 means the second USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 désigne le deuxième appareil USB (câble de liaison ou calculatrice), mais seul %2 est branché.</translation>
    </message>
    <message>
        <source>%1 means the second USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 désigne le deuxième appareil USB (câble de liaison ou calculatrice), mais seuls %2 sont branchés.</translation>
    </message>
    <message>
        <source>%1 means the third USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 désigne le troisième appareil USB (câble de liaison ou calculatrice), mais seul %2 est branché.</translation>
    </message>
    <message>
        <source>%1 means the third USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 désigne le troisième appareil USB (câble de liaison ou calculatrice), mais seuls %2 sont branchés.</translation>
    </message>
    <message>
        <source>%1 means the fourth USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 désigne le quatrième appareil USB (câble de liaison ou calculatrice), mais seul %2 est branché.</translation>
    </message>
    <message>
        <source>%1 means the fourth USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 désigne le quatrième appareil USB (câble de liaison ou calculatrice), mais seuls %2 sont branchés.</translation>
    </message>
    <message>
        <source>%1 means the fifth USB device (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 désigne le cinquième appareil USB (câble de liaison ou calculatrice), mais seul %2 est branché.</translation>
    </message>
    <message>
        <source>%1 means the fifth USB device (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 désigne le cinquième appareil USB (câble de liaison ou calculatrice), mais seuls %2 sont branchés.</translation>
    </message>
    <message>
        <source>%1 means the USB device number %3 (link cable or calculator), but only %2 is connected.</source>
        <translation>%1 désigne l&apos;appareil USB numéro %3 (câble de liaison ou calculatrice), mais seul %2 est branché.</translation>
    </message>
    <message>
        <source>%1 means the USB device number %3 (link cable or calculator), but only %2 are connected.</source>
        <translation>%1 désigne l&apos;appareil USB numéro %3 (câble de liaison ou calculatrice), mais seuls %2 sont branchés.</translation>
    </message>
    <message>
        <source>USB cannot be used on this computer: %1.</source>
        <translation>L&apos;USB est inutilisable sur cet ordinateur&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Neither a USB link cable nor a calculator on its own USB port is connected (%1). Plug the link cable into the computer and the calculator, or the calculator straight into the computer with its own USB cable, or choose another cable in the link settings.</source>
        <translation>Ni câble de liaison USB ni calculatrice sur son propre port USB n&apos;est branché (%1). Branchez le câble de liaison à l&apos;ordinateur et à la calculatrice, ou la calculatrice directement à l&apos;ordinateur avec son propre câble USB, ou choisissez un autre câble dans le menu Liaison.</translation>
    </message>
    <message>
        <source>it is not a port link but a folder. Move it away and set the link: %1</source>
        <translation>ce n&apos;est pas un lien de port mais un dossier. Déplacez-le et créez le lien&#xa0;: %1</translation>
    </message>
    <message>
        <source>USB   %1, bus %2 address %3 (%4): a calculator with a colour screen, which Ekrano cannot read; it reads the calculators with the 96 x 64 monochrome screen</source>
        <translation>USB   %1, bus %2 adresse %3 (%4)&#xa0;: une calculatrice à écran couleur, qu&apos;Ekrano ne peut pas lire&#xa0;; il lit les calculatrices à l&apos;écran monochrome de 96 x 64</translation>
    </message>
    <message>
        <source>calculator with a colour screen</source>
        <translation>calculatrice à écran couleur</translation>
    </message>
    <message>
        <source>The calculator on its own USB port does not have the 96 x 64 monochrome screen that Ekrano reads, so Ekrano cannot read its screen.</source>
        <translation>La calculatrice sur son propre port USB n&apos;a pas l&apos;écran monochrome de 96 x 64 que lit Ekrano&#xa0;; Ekrano ne peut donc pas lire son écran.</translation>
    </message>
    <message>
        <source>The calculator %1 does not have the 96 x 64 monochrome screen that Ekrano reads, so Ekrano cannot read its screen.</source>
        <translation>La calculatrice %1 n&apos;a pas l&apos;écran monochrome de 96 x 64 que lit Ekrano&#xa0;; Ekrano ne peut donc pas lire son écran.</translation>
    </message>
    <message>
        <source>The calculator plugged in (%1), %2, has a colour screen, which Ekrano cannot read: Ekrano reads the calculators with the 96 x 64 monochrome screen, on their own USB port or through a link cable.</source>
        <translation>La calculatrice branchée (%1), %2, a un écran couleur, qu&apos;Ekrano ne peut pas lire&#xa0;: Ekrano lit les calculatrices à l&apos;écran monochrome de 96 x 64, sur leur propre port USB ou par un câble de liaison.</translation>
    </message>
    <message>
        <source>USB cable, %1</source>
        <translation>Câble USB, %1</translation>
    </message>
    <message>
        <source>USB   %1 (%2, %3): %4, bus %5 address %6 (%7)</source>
        <translation>USB   %1 (%2, %3)&#xa0;: %4, bus %5 adresse %6 (%7)</translation>
    </message>
    <message>
        <source>Neither a USB link cable nor a calculator on its own USB port is plugged in at USB port %2 (%1). Plug it in there again, or see where each one is plugged in with `ekrano-capture --list`.</source>
        <translation>Ni câble de liaison USB ni calculatrice sur son propre port USB n&apos;est branché au port USB %2 (%1). Rebranchez l&apos;appareil à cet endroit, ou voyez où chacun est branché avec `ekrano-capture --list`.</translation>
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
        <translation>Le câble&#xa0;: black (noir), gray (gris) ou usb.</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>câble</translation>
    </message>
    <message>
        <source>The side of a calculator pixel in screen pixels: 0.1 to 5, in steps of 0.1.</source>
        <translation>Le côté d&apos;un pixel de la calculatrice en pixels de l&apos;écran&#xa0;: 0.1 à 5, par pas de 0.1.</translation>
    </message>
    <message>
        <source>factor</source>
        <translation>facteur</translation>
    </message>
    <message>
        <source>Draw the frame.</source>
        <translation>Dessiner le cadre.</translation>
    </message>
    <message>
        <source>Draw no frame.</source>
        <translation>Ne pas dessiner de cadre.</translation>
    </message>
    <message>
        <source>The colour of the dark pixels and the frame.</source>
        <translation>La couleur des pixels sombres et du cadre.</translation>
    </message>
    <message>
        <source>The colour behind them.</source>
        <translation>La couleur derrière eux.</translation>
    </message>
    <message>
        <source>--cable takes black, gray or usb, not &apos;%1&apos;</source>
        <translation>--cable prend black, gray ou usb, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--port %1 is a USB device, for the USB cable (--cable usb)</source>
        <translation>--port %1 est un appareil USB, pour le câble USB (--cable usb)</translation>
    </message>
    <message>
        <source>--zoom takes 0.1 to 5 in steps of 0.1, not &apos;%1&apos;</source>
        <translation>--zoom prend 0.1 à 5 par pas de 0.1, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--border and --no-border exclude each other</source>
        <translation>--border et --no-border s&apos;excluent</translation>
    </message>
    <message>
        <source>--%1 takes a colour as #rrggbb, not &apos;%2&apos;</source>
        <translation>--%1 prend une couleur sous la forme #rrggbb, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--port takes USB0 to USB99 for a USB device, not &apos;%1&apos;</source>
        <translation>--port prend USB0 à USB99 pour un appareil USB, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The serial port: COM1 to COM4; or, with the USB cable, the USB device: USB0 (the first), USB1 ..., link cables and calculators on their own USB port counted together, or where it is plugged in, as --list shows it: USB-1-1.3.</source>
        <translation>Le port série&#xa0;: COM1 à COM4&#xa0;; ou, avec le câble USB, l&apos;appareil USB&#xa0;: USB0 (le premier), USB1 ..., câbles de liaison et calculatrices sur leur propre port USB comptés ensemble, ou l&apos;endroit où il est branché, tel que --list l&apos;affiche&#xa0;: USB-1-1.3.</translation>
    </message>
    <message>
        <source>--port takes COM1, COM2, COM3 or COM4, or with the USB cable USB0, USB1 ... or where the device is plugged in, as USB-1-1.3, not &apos;%1&apos;</source>
        <translation>--port prend COM1, COM2, COM3 ou COM4, ou avec le câble USB USB0, USB1 ... ou l&apos;endroit où l&apos;appareil est branché, comme USB-1-1.3, pas «&#xa0;%1&#xa0;»</translation>
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
        <translation>Utilisation : ekrano-calc [OPTION]...
Joue une calculatrice à écran de 96 x 64 sur un pseudo-terminal, parle le flux
d&apos;octets du câble gris et écrit le chemin du terminal sur une ligne.

  --link CHEMIN         fait aussi de CHEMIN un lien symbolique vers le
                        terminal, par exemple ~/.config/Ekrano/ports/COM1 (les
                        dossiers sont créés&#xa0;; un lien symbolique existant est
                        remplacé, tout le reste est laissé tel quel)&#xa0;; le lien
                        est supprimé à la sortie
  --animate             sert un graphique en train d&apos;être tracé, un pas plus
                        loin à chaque demande, au lieu du graphique intégré
  --screen FICHIER      sert cette image PNG ou PBM de 96 x 64 au lieu du
                        graphique intégré (sombre = sous la moitié de la
                        luminance)
  --silent              ne répond jamais
  --late MS             ne répond qu&apos;après MS millisecondes (chiffres, 0 à
                        600000)
  --bad-checksum once|always
                        envoie l&apos;écran avec une mauvaise somme de contrôle la
                        première fois de chaque demande (once), ou à chaque
                        fois (always)
  --wrong-length        envoie 769 octets d&apos;écran au lieu de 768
  --skip                refuse toutes les demandes
  --wrong-machine-id    envoie l&apos;écran d&apos;un identifiant de machine qu&apos;aucune
                        calculatrice n&apos;utilise
  --slow-reader MS      après l&apos;envoi de l&apos;écran, ne lit rien pendant MS
                        millisecondes, son entrée s&apos;accumulant entre-temps
  --help                affiche cette aide et quitte

Un hôte qui n&apos;accuse pas réception d&apos;un écran en 2 s (l&apos;ACK final) est signalé
sur la sortie d&apos;erreur. S&apos;arrête sur Ctrl-C (SIGINT) ou SIGTERM.
</translation>
    </message>
    <message>
        <source>Try &apos;ekrano-calc --help&apos;.</source>
        <translation>Essayez «&#xa0;ekrano-calc --help&#xa0;».</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 demande un chemin</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 demande un fichier</translation>
    </message>
    <message>
        <source>%1 needs a number of milliseconds</source>
        <translation>%1 demande un nombre de millisecondes</translation>
    </message>
    <message>
        <source>%1 takes 0 to 600000 milliseconds, not &apos;%2&apos;</source>
        <translation>%1 prend 0 à 600000 millisecondes, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs once or always</source>
        <translation>%1 demande once ou always</translation>
    </message>
    <message>
        <source>--bad-checksum takes once or always, not &apos;%1&apos;</source>
        <translation>--bad-checksum prend once ou always, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>choose one way to misbehave at a time</source>
        <translation>choisissez une seule façon de mal se conduire à la fois</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 exists and is not a symbolic link; not replacing it</source>
        <translation>%1 existe et n&apos;est pas un lien symbolique&#xa0;; il n&apos;est pas remplacé</translation>
    </message>
    <message>
        <source>cannot make the link %1: %2</source>
        <translation>impossible de créer le lien %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: a folder, not a picture</source>
        <translation>%1&#xa0;: un dossier, pas une image</translation>
    </message>
    <message>
        <source>%1: the picture is %2 x %3 pixels; a screen is 96 x 64</source>
        <translation>%1&#xa0;: l&apos;image fait %2 x %3 pixels&#xa0;; un écran fait 96 x 64</translation>
    </message>
    <message>
        <source>%1: not a picture that can be read (PNG or PBM): %2</source>
        <translation>%1&#xa0;: pas une image lisible (PNG ou PBM)&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ekrano-live</name>
    <message>
        <source>%1; see ekrano-live --help</source>
        <translation>%1&#xa0;; voir ekrano-live --help</translation>
    </message>
    <message>
        <source>Shows the calculator&apos;s screen as it changes, read over and over with Ekrano&apos;s link settings and colours. The options change the stored settings for this run only.</source>
        <translation>Montre l&apos;écran de la calculatrice à mesure qu&apos;il change, lu encore et encore avec les réglages de liaison et les couleurs d&apos;Ekrano. Les options ne changent les réglages enregistrés que pour cette fois.</translation>
    </message>
    <message>
        <source>Show every calculator plugged in, side by side: each USB device Ekrano reads, and each COM port with a port link, on the serial cable of --cable (Gray unless Black is given or stored).</source>
        <translation>Montre toutes les calculatrices branchées, côte à côte&#xa0;: chaque périphérique USB que lit Ekrano, et chaque port COM qui a un lien de port, avec le câble série de --cable (Gray, sauf si Black est donné ou enregistré).</translation>
    </message>
    <message>
        <source>--all reads every calculator, --port names one</source>
        <translation>--all lit toutes les calculatrices, --port en désigne une</translation>
    </message>
    <message>
        <source>--all reads every USB device; its --cable, for the serial ports, is black or gray</source>
        <translation>--all lit tous les périphériques USB&#xa0;; --cable y vaut pour les ports série et est black ou gray</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>no screen was recorded</source>
        <translation>aucun écran n&apos;a été enregistré</translation>
    </message>
    <message>
        <source>the scale %1 is not a whole number from 1 to %2</source>
        <translation>la taille %1 n&apos;est pas un nombre entier de 1 à %2</translation>
    </message>
</context>
<context>
    <name>settingsfile</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique en mode caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique en mode bloc</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>of a kind Ekrano does not know</source>
        <translation>d&apos;un type qu&apos;Ekrano ne connaît pas</translation>
    </message>
    <message>
        <source>it is a link to %1, which is %2, not a file</source>
        <translation>c&apos;est un lien vers %1, qui est %2, pas un fichier</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>c&apos;est %1, pas un fichier</translation>
    </message>
    <message>
        <source>it is %1 bytes, far more than settings take, so it is taken to be damaged</source>
        <translation>il fait %1 octets, bien plus que des réglages n&apos;en prennent, il est donc considéré comme abîmé</translation>
    </message>
    <message>
        <source>Ekrano did not read its settings from %1: %2; the defaults are used.</source>
        <translation>Ekrano n&apos;a pas lu ses réglages dans %1&#xa0;: %2&#xa0;; les réglages par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>Ekrano could not save its settings to %1: %2.</source>
        <translation>Ekrano n&apos;a pas pu enregistrer ses réglages dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>they could not be read when it started (%1), so the file is kept as it is</source>
        <translation>ils n&apos;ont pas pu être lus au démarrage (%1), le fichier est donc laissé tel quel</translation>
    </message>
    <message>
        <source>the new settings did not read back as they were meant to, so the file is kept as it is</source>
        <translation>les nouveaux réglages ne se relisaient pas comme prévu, le fichier est donc laissé tel quel</translation>
    </message>
    <message>
        <source>the new file would be %1 bytes, more than Ekrano reads back</source>
        <translation>le nouveau fichier ferait %1 octets, plus qu&apos;Ekrano n&apos;en relit</translation>
    </message>
</context>
</TS>
