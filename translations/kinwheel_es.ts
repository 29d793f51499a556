<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage:
  kinwheel [FILE]
  kinwheel --date YYYY-MM-DD [--name NAME] [--count COUNT] [--json]
  kinwheel --read FILE [--count COUNT] [--json]
  kinwheel --date YYYY-MM-DD --name NAME [--count COUNT] --save FILE
  kinwheel (--date YYYY-MM-DD --name NAME | --read FILE) [--count COUNT] --pdf OUT.pdf

Draws up a Mayan astrology birth chart. With no argument the program starts;
with a reading file alone it starts and opens that file. With options it
prints, saves or exports one reading and opens no window.

Options:
  --date YYYY-MM-DD  the birth date, from 0001-01-01 to 9999-12-31
  --name NAME        the person&apos;s name
  --read FILE        the reading stored in a reading file (.man)
  --json             print the reading as one JSON object instead of text
  --save FILE        write a reading file (years 1900 to 2100); &quot;.man&quot; is added
                     when FILE does not end in it
  --pdf OUT.pdf      write the report as a PDF, as Print prints it; needs no display
  --count COUNT      584283 (the default), 584285 or dreamspell
  -h, --help         print this help
  -v, --version      print the version

Exit status: 0 done; 1 a file or the output could not be written; 2 the
arguments or the input were refused.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>la salida estándar está cerrada</translation>
    </message>
    <message>
        <source>%1 needs a file name, not %2.</source>
        <translation>%1 necesita un nombre de archivo, no %2.</translation>
    </message>
    <message>
        <source>%1 names the file the reading is read from: it would be lost.</source>
        <translation>%1 nombra el archivo del que se lee la lectura: se perdería.</translation>
    </message>
    <message>
        <source>%1 does not write over a reading file (%2): give a name that ends otherwise.</source>
        <translation>%1 no escribe sobre un archivo de lectura (%2): indica un nombre con otra terminación.</translation>
    </message>
    <message>
        <source> (see kinwheel --help)</source>
        <translation> (consulta kinwheel --help)</translation>
    </message>
    <message>
        <source>An argument is not text in the system&apos;s encoding: %1. It is refused, so that no file is read or written but the one named.</source>
        <translation>Un argumento no es texto en la codificación del sistema: %1. Se rechaza, para que no se lea ni se escriba otro archivo que el indicado.</translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2; write %1=%3 if that is the value.</source>
        <translation>%1 necesita un valor, no la opción %2; escribe %1=%3 si ese es el valor.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opción desconocida: %1.</translation>
    </message>
    <message>
        <source>Give one reading file to open.</source>
        <translation>Indica un solo archivo de lectura para abrir.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 aparece más de una vez.</translation>
    </message>
    <message>
        <source>A reading file to open is given alone; %1 is not an option&apos;s value.</source>
        <translation>Un archivo de lectura para abrir se indica solo; %1 no es el valor de una opción.</translation>
    </message>
    <message>
        <source>--count takes 584283, 584285 or dreamspell, not %1.</source>
        <translation>--count admite 584283, 584285 o dreamspell, no %1.</translation>
    </message>
    <message>
        <source>--date and --read cannot be used together.</source>
        <translation>--date y --read no se pueden usar juntas.</translation>
    </message>
    <message>
        <source>Give a birth date with --date or a reading file with --read.</source>
        <translation>Indica una fecha de nacimiento con --date o un archivo de lectura con --read.</translation>
    </message>
    <message>
        <source>--name goes with --date; a reading file holds its own name.</source>
        <translation>--name va con --date; un archivo de lectura guarda su propio nombre.</translation>
    </message>
    <message>
        <source>--save takes --date and --name alone.</source>
        <translation>--save solo admite --date y --name.</translation>
    </message>
    <message>
        <source>Use one of --json and --pdf.</source>
        <translation>Usa solo una de --json y --pdf.</translation>
    </message>
    <message>
        <source>The output could not be written: %1</source>
        <translation>No se pudo escribir la salida: %1</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Por favor, revisa el archivo.</translation>
    </message>
    <message>
        <source>--date takes a date YYYY-MM-DD from 0001-01-01 to 9999-12-31, not %1.</source>
        <translation>--date admite una fecha AAAA-MM-DD de 0001-01-01 a 9999-12-31, no %1.</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el informe en %1.

%2</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>The name cannot be stored in a reading file, because a reading file cannot hold these characters: %1.

Please change the name, generate the reading again and save it then. Nothing was saved.</source>
        <translation>El nombre no se puede guardar en un archivo de lectura, porque un archivo de lectura no admite estos caracteres: %1.

Cambia el nombre, genera de nuevo la lectura y guárdala entonces. No se guardó nada.</translation>
    </message>
    <message>
        <source>The name has %1 characters; a reading file holds at most %2.

Please shorten the name, generate the reading again and save it then. Nothing was saved.</source>
        <translation>El nombre tiene %1 caracteres; un archivo de lectura admite %2 como máximo.

Acorta el nombre, genera de nuevo la lectura y guárdala entonces. No se guardó nada.</translation>
    </message>
    <message>
        <source>A reading file holds a year from %1 to %2, a month&apos;s English name and a day from 1 to 31, not &quot;%3 %4 %5&quot;. Nothing was saved.</source>
        <translation>Un archivo de lectura guarda un año de %1 a %2, el nombre de un mes en inglés y un día del 1 al 31, no «%3 %4 %5». No se guardó nada.</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.

%2</source>
        <translation>No se pudo guardar la lectura en %1.

%2</translation>
    </message>
    <message>
        <source>A reading file&apos;s name ends in &quot;man&quot;.</source>
        <translation>El nombre de un archivo de lectura termina en «man».</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ese archivo no existe.</translation>
    </message>
    <message>
        <source>It is a link to nothing.</source>
        <translation>Es un enlace que no apunta a nada.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es una carpeta.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>It could not be read.</source>
        <translation>No se pudo leer.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>No se pudo leer: %1</translation>
    </message>
    <message>
        <source>It ends before its fourth line.</source>
        <translation>Termina antes de su cuarta línea.</translation>
    </message>
    <message>
        <source>A line is longer than %1 bytes: it is not a reading file.</source>
        <translation>Una línea ocupa más de %1 bytes: no es un archivo de lectura.</translation>
    </message>
    <message>
        <source>It holds a value no reading file has.</source>
        <translation>Contiene un valor que ningún archivo de lectura tiene.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Listed for the traditional count 584283 only, under which this date&apos;s sign is %1 (%2): %3.</source>
        <translation>Solo se indican para la cuenta tradicional 584283, según la cual el signo de esta fecha es %1 (%2): %3.</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primero</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercero</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>cuarto</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>quinto</translation>
    </message>
    <message>
        <source>sixth</source>
        <translation>sexto</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation>séptimo</translation>
    </message>
    <message>
        <source>eighth</source>
        <translation>octavo</translation>
    </message>
    <message>
        <source>ninth</source>
        <translation>noveno</translation>
    </message>
    <message>
        <source>traditional, correlation 584283 (GMT)</source>
        <translation>tradicional, correlación 584283 (GMT)</translation>
    </message>
    <message>
        <source>traditional, correlation 584285</source>
        <translation>tradicional, correlación 584285</translation>
    </message>
    <message>
        <source>Dreamspell</source>
        <translation>Dreamspell</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Fecha de nacimiento: </translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation>Número maya del día / Tono galáctico</translation>
    </message>
    <message>
        <source>Mayan Number: </source>
        <translation>Número maya: </translation>
    </message>
    <message>
        <source>Mayan Day Number&apos;s Description: </source>
        <translation>Descripción del número maya del día: </translation>
    </message>
    <message>
        <source>Mayan Day Signs</source>
        <translation>Signos mayas del día</translation>
    </message>
    <message>
        <source>Mayan Day Sign: </source>
        <translation>Signo maya del día: </translation>
    </message>
    <message>
        <source>Mayan Gemstone: </source>
        <translation>Piedra maya: </translation>
    </message>
    <message>
        <source>Mayan Keywords: </source>
        <translation>Palabras clave mayas: </translation>
    </message>
    <message>
        <source>Mayan Significance: </source>
        <translation>Significado maya: </translation>
    </message>
    <message>
        <source>Mayan Day Sign&apos;s Description: </source>
        <translation>Descripción del signo maya del día: </translation>
    </message>
    <message>
        <source>Other Mayan Details</source>
        <translation>Otros datos mayas</translation>
    </message>
    <message>
        <source>Mayan English Name: </source>
        <translation>Nombre en español: </translation>
    </message>
    <message>
        <source>Famous Personalities born under this sign: </source>
        <translation>Personajes famosos nacidos bajo este signo: </translation>
    </message>
    <message>
        <source>Central</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>This signifies the features for your day of birth.</source>
        <translation>Representa los rasgos del día en que naciste.</translation>
    </message>
    <message>
        <source>Ally</source>
        <translation>Aliado</translation>
    </message>
    <message>
        <source>This signifies features common with you personality.</source>
        <translation>Representa los rasgos que comparte con tu personalidad.</translation>
    </message>
    <message>
        <source>Occult</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>This signifies magical gift that you have in you.</source>
        <translation>Representa el don mágico que llevas dentro.</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Desafío</translation>
    </message>
    <message>
        <source>This signifies the challenges that up may have to face and situations where you have to show your courage.</source>
        <translation>Representa los retos que quizá debas enfrentar y las situaciones en que tendrás que mostrar tu valor.</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>This signifies the force that influences your action.</source>
        <translation>Representa la fuerza que orienta tus actos.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, month, year</comment>
        <translation>%1 de %2 de %3</translation>
    </message>
    <message>
        <source>traditional count 584283</source>
        <translation>cuenta tradicional 584283</translation>
    </message>
    <message>
        <source>traditional count 584285</source>
        <translation>cuenta tradicional 584285</translation>
    </message>
    <message>
        <source>Dreamspell count</source>
        <translation>cuenta Dreamspell</translation>
    </message>
    <message>
        <source>Kin %1, %2</source>
        <translation>Kin %1, %2</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <comment>date, kin, count</comment>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · %4</source>
        <comment>name, date, kin, count</comment>
        <translation>%1 · %2 · %3 · %4</translation>
    </message>
    <message>
        <source>Maya Calendar Date</source>
        <translation>Fecha del calendario maya</translation>
    </message>
    <message>
        <source>Kin: </source>
        <translation>Kin: </translation>
    </message>
    <message>
        <source>%1 (%2 of the nine)</source>
        <translation>%1 (%2 de los nueve)</translation>
    </message>
    <message>
        <source>Trecena: </source>
        <translation>Trecena: </translation>
    </message>
    <message>
        <source>Long Count: </source>
        <translation>Cuenta Larga: </translation>
    </message>
    <message>
        <source>Haab&apos;: </source>
        <translation>Haab&apos;: </translation>
    </message>
    <message>
        <source>Calendar Round: </source>
        <translation>Rueda Calendárica: </translation>
    </message>
    <message>
        <source>Lord of the Night: </source>
        <translation>Señor de la Noche: </translation>
    </message>
    <message>
        <source>Count: </source>
        <translation>Cuenta: </translation>
    </message>
    <message>
        <source>Leap day: </source>
        <translation>Día bisiesto: </translation>
    </message>
    <message>
        <source>the Dreamspell count gives 29 February no kin of its own. It is &quot;0.0 Hunab Ku&quot;, a day outside the 260-day cycle, so this reading takes the kin of 28 February.</source>
        <translation>la cuenta Dreamspell no da al 29 de febrero un kin propio. Es «0.0 Hunab Ku», un día fuera del ciclo de 260 días, por lo que esta lectura toma el kin del 28 de febrero.</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Por favor, escribe tu nombre</translation>
    </message>
    <message>
        <source>The name holds control characters: %1.</source>
        <translation>El nombre contiene caracteres de control: %1.</translation>
    </message>
    <message>
        <source>The name has %1 characters; the program takes at most %2.</source>
        <translation>El nombre tiene %1 caracteres; el programa admite %2 como máximo.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Ingresa una fecha o un mes correctos!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Ingresa una fecha o un mes correctos!</translation>
    </message>
</context>
<context>
    <name>kinwheel</name>
    <message>
        <source>No printer is available.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used.</source>
        <translation>No se puede usar la impresora «%1».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <translation>La impresora «%1» informó de un error.</translation>
    </message>
    <message>
        <source>The pages could not be drawn.</source>
        <translation>No se pudieron dibujar las páginas.</translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser or other program took its address.

%1

You can copy the address from here and open it in your browser.</source>
        <translation>No se pudo abrir la página web: ningún navegador ni otro programa aceptó su dirección.

%1

Puedes copiar la dirección desde aquí y abrirla en tu navegador.</translation>
    </message>
</context>
<context>
    <name>kinwheel::ToneBadge</name>
    <message>
        <source>Tone %1: %2</source>
        <translation>Tono %1: %2</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
</context>
<context>
    <name>kinwheel::frmMain</name>
    <message>
        <source>The count is used until the program ends, but it could not be kept for the next start: the settings could not be written.</source>
        <translation>La cuenta se usará hasta que cierres el programa, pero no se pudo guardar para la próxima vez: no se pudo escribir la configuración.</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Por favor, revisa el archivo.</translation>
    </message>
</context>
<context>
    <name>kinwheel::frmSave</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>The report could not be printed.

%1

Do you want to save it as a PDF file instead?</source>
        <translation>No se pudo imprimir el informe.

%1

¿Quieres guardarlo como archivo PDF?</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el informe en %1.

%2</translation>
    </message>
</context>
</TS>
