<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
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
        <source>An argument is not text in the system's encoding: %1. It is refused, so that no file is read or written but the one named.</source>
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
        <source>A reading file to open is given alone; %1 is not an option's value.</source>
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
        <source>The report could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el informe en %1.

%2</translation>
    </message>
    <message>
        <source>--born takes day, evening or night, not %1.</source>
        <translation>--born admite day, evening o night, no %1.</translation>
    </message>
    <message>
        <source>--day-begins takes midnight, sunset or sunrise, not %1.</source>
        <translation>--day-begins admite midnight, sunset o sunrise, no %1.</translation>
    </message>
    <message>
        <source>--with-date and --with cannot be used together.</source>
        <translation>--with-date y --with no se pueden usar juntas.</translation>
    </message>
    <message>
        <source>--with-name goes with --with-date; a reading file holds its own name.</source>
        <translation>--with-name va con --with-date; un archivo de lectura guarda su propio nombre.</translation>
    </message>
    <message>
        <source>%1 takes a date YYYY-MM-DD from 0001-01-01 to 9999-12-31, not %2.</source>
        <translation>%1 admite una fecha AAAA-MM-DD de 0001-01-01 a 9999-12-31, no %2.</translation>
    </message>
    <message>
        <source>--returns takes a number from 1 to %1, not %2.</source>
        <translation>--returns admite un número de 1 a %1, no %2.</translation>
    </message>
    <message>
        <source>--today goes without --date, --read, --name and --born.</source>
        <translation>--today va sin --date, --read, --name ni --born.</translation>
    </message>
    <message>
        <source>--today takes --count, --json and --returns alone.</source>
        <translation>--today solo admite --count, --json y --returns.</translation>
    </message>
    <message>
        <source>--ics goes without --json and --pdf.</source>
        <translation>--ics va sin --json ni --pdf.</translation>
    </message>
    <message>
        <source>--returns and --ics go with one reading, not a comparison.</source>
        <translation>--returns y --ics van con una lectura, no con una comparación.</translation>
    </message>
    <message>
        <source>--returns goes with a printed reading or --ics, not --pdf.</source>
        <translation>--returns va con una lectura impresa en la terminal o con --ics, no con --pdf.</translation>
    </message>
    <message>
        <source>Today's date could not be read from the system.</source>
        <translation>No se pudo leer la fecha de hoy del sistema.</translation>
    </message>
    <message>
        <source>No return of kin %1 is left in the calendar.</source>
        <translation>No queda en el calendario ningún retorno del kin %1.</translation>
    </message>
    <message>
        <source>--lang takes a language code (%1), not %2.</source>
        <translation>--lang admite un código de idioma (%1), no %2.</translation>
    </message>
    <message>
        <source>--lang goes with the options that print or write a reading; the program's windows take their language from the Language menu.</source>
        <translation>--lang acompaña a las opciones que imprimen o escriben una lectura; las ventanas del programa toman su idioma del menú Idioma.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>No se pudo iniciar %1.</translation>
    </message>
    <message>
        <source>Usage:
  kinwheel [FILE]
  kinwheel --date YYYY-MM-DD [--name NAME] [--count COUNT] [--json]
  kinwheel --read FILE [--count COUNT] [--json]
  kinwheel --date YYYY-MM-DD --name NAME [--count COUNT] --save FILE
  kinwheel (--date YYYY-MM-DD --name NAME | --read FILE) [--count COUNT] --pdf OUT.pdf
  kinwheel (--date YYYY-MM-DD [--name NAME] | --read FILE)
           (--with-date YYYY-MM-DD [--with-name NAME] | --with FILE)
           [--count COUNT] [--json | --pdf OUT.pdf]
  kinwheel (--date YYYY-MM-DD [--name NAME] | --read FILE) [--count COUNT] --ics FILE [--returns N]
  Each form above also takes [--born TIME] [--day-begins AT].
  kinwheel --today [--count COUNT] [--json] [--returns N]
  Every form but the first also takes [--lang CODE].

Draws up a Mayan astrology birth chart. With no argument the program starts;
with a reading file alone it starts and opens that file. With options it
prints, saves or exports one reading, or compares two, and opens no window.

Options:
  --date YYYY-MM-DD  the birth date, from 0001-01-01 to 9999-12-31
  --name NAME        the person's name
  --read FILE        the reading stored in a reading file (.man)
  --json             print the reading as one JSON object instead of text
  --save FILE        write a reading file (years 1900 to 2100); ".man" is added
                     when FILE does not end in it
  --pdf OUT.pdf      write the report as a PDF, as Print prints it; needs no display
  --with-date YYYY-MM-DD, --with-name NAME, --with FILE
                     the second reading of a comparison, as --date, --name
                     and --read give the first; --pdf needs both names
  --count COUNT      584283 (the default), 584285 or dreamspell
  --born TIME        the time of birth: day (not known or daytime, the default),
                     evening (after sunset) or night (after midnight, before
                     sunrise); it replaces the time a reading file holds
  --day-begins AT    midnight (the default), sunset or sunrise: an evening
                     birth takes the next date's reading when the day begins at
                     sunset, a night birth the previous date's at sunrise
  --today            today's reading, with no name
  --returns N        the next N days the reading's kin comes round again (1 to 1000;
                     3 in the text, none in JSON, 20 in --ics unless given)
  --ics FILE         write those days as an iCalendar file of all-day events
  --lang CODE        the language of the text, messages, help and PDF (%1);
                     else the environment's: LANGUAGE, LC_ALL, LC_MESSAGES or
                     LANG. JSON is always in English
  -h, --help         print this help
  -v, --version      print the version

Exit status: 0 done; 1 a file or the output could not be written; 2 the
arguments or the input were refused.
</source>
        <translation>Uso:
  kinwheel [ARCHIVO]
  kinwheel --date AAAA-MM-DD [--name NOMBRE] [--count CUENTA] [--json]
  kinwheel --read ARCHIVO [--count CUENTA] [--json]
  kinwheel --date AAAA-MM-DD --name NOMBRE [--count CUENTA] --save ARCHIVO
  kinwheel (--date AAAA-MM-DD --name NOMBRE | --read ARCHIVO) [--count CUENTA] --pdf SALIDA.pdf
  kinwheel (--date AAAA-MM-DD [--name NOMBRE] | --read ARCHIVO)
           (--with-date AAAA-MM-DD [--with-name NOMBRE] | --with ARCHIVO)
           [--count CUENTA] [--json | --pdf SALIDA.pdf]
  kinwheel (--date AAAA-MM-DD [--name NOMBRE] | --read ARCHIVO) [--count CUENTA] --ics ARCHIVO [--returns N]
  Cada una de estas formas admite también [--born HORA] [--day-begins INICIO].
  kinwheel --today [--count CUENTA] [--json] [--returns N]
  Todas las formas salvo la primera admiten también [--lang CÓDIGO].

Traza una carta natal de astrología maya. Sin argumentos, el programa se abre;
con un archivo de lectura solo, se abre y muestra ese archivo. Con opciones,
imprime, guarda o exporta una lectura, o compara dos, sin abrir ninguna ventana.

Opciones:
  --date AAAA-MM-DD  la fecha de nacimiento, de 0001-01-01 a 9999-12-31
  --name NOMBRE      el nombre de la persona
  --read ARCHIVO     la lectura guardada en un archivo de lectura (.man)
  --json             imprime la lectura como un objeto JSON en lugar de texto
  --save ARCHIVO     escribe un archivo de lectura (años de 1900 a 2100); se
                     añade ".man" si ARCHIVO no termina así
  --pdf SALIDA.pdf   escribe el informe como PDF, tal como lo imprime Imprimir;
                     no necesita pantalla
  --with-date AAAA-MM-DD, --with-name NOMBRE, --with ARCHIVO
                     la segunda lectura de una comparación, como --date, --name
                     y --read dan la primera; --pdf necesita ambos nombres
  --count CUENTA     584283 (la predeterminada), 584285 o dreamspell
  --born HORA        la hora de nacimiento: day (desconocida o de día, la
                     predeterminada), evening (tras ponerse el sol) o night
                     (madrugada, antes del amanecer); reemplaza la hora que
                     guarda un archivo de lectura
  --day-begins INICIO
                     midnight (el predeterminado), sunset o sunrise: un
                     nacimiento de noche toma la lectura del día siguiente si
                     el día empieza al ponerse el sol, y uno de madrugada la
                     del día anterior si empieza al amanecer
  --today            la lectura de hoy, sin nombre
  --returns N        los próximos N días en que vuelve el kin de la lectura (de 1
                     a 1000; 3 en el texto, ninguno en JSON, 20 en --ics si no
                     se indica)
  --ics ARCHIVO      escribe esos días como un archivo iCalendar de eventos de
                     día completo
  --lang CÓDIGO      el idioma del texto, los mensajes, la ayuda y el PDF (%1);
                     si no se indica, el del entorno: LANGUAGE, LC_ALL,
                     LC_MESSAGES o LANG. El JSON va siempre en inglés
  -h, --help         muestra esta ayuda
  -v, --version      muestra la versión

Estado de salida: 0, hecho; 1, no se pudo escribir un archivo o la salida;
2, se rechazaron los argumentos o la entrada.
</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>Kin %1, %2</source>
        <translation>Kin %1, %2</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
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
        <source>the second person</source>
        <translation>la segunda persona</translation>
    </message>
    <message>
        <source>the first person</source>
        <translation>la primera persona</translation>
    </message>
    <message>
        <source>Same kin</source>
        <translation>Mismo kin</translation>
    </message>
    <message>
        <source>Same day sign</source>
        <translation>Mismo signo del día</translation>
    </message>
    <message>
        <source>Same tone</source>
        <translation>Mismo tono</translation>
    </message>
    <message>
        <source>Ally in %1's cross</source>
        <translation>Aliado en la cruz de %1</translation>
    </message>
    <message>
        <source>Occult in %1's cross</source>
        <translation>Oculto en la cruz de %1</translation>
    </message>
    <message>
        <source>Challenge in %1's cross</source>
        <translation>Desafío en la cruz de %1</translation>
    </message>
    <message>
        <source>Guide in %1's cross</source>
        <translation>Guía en la cruz de %1</translation>
    </message>
    <message>
        <source>Same colour</source>
        <translation>Mismo color</translation>
    </message>
    <message>
        <source>Same earth family</source>
        <translation>Misma familia terrestre</translation>
    </message>
    <message>
        <source>Same trecena</source>
        <translation>Misma trecena</translation>
    </message>
    <message>
        <source>Same castle</source>
        <translation>Mismo castillo</translation>
    </message>
    <message>
        <source>%1 and %2 were both born on %3: the same day of the 260-day count.</source>
        <translation>%1 y %2 nacieron en %3: el mismo día de la cuenta de 260 días.</translation>
    </message>
    <message>
        <source>Both birth days carry the day sign %1 (%2); a kin's sign is its place in the cycle of twenty signs.</source>
        <translation>Los dos días de nacimiento llevan el signo %1 (%2); el signo de un kin es su lugar en el ciclo de veinte signos.</translation>
    </message>
    <message>
        <source>Both birth days carry tone %1, %2; a kin's tone is its place in the cycle of thirteen.</source>
        <translation>Los dos días de nacimiento llevan el tono %1, %2; el tono de un kin es su lugar en el ciclo de trece.</translation>
    </message>
    <message>
        <source>%1's day sign, %2, is the Ally of %3's: the numbers of the two signs (1 to 20) add up to 19 or 39.</source>
        <translation>El signo del día de %1, %2, es el Aliado del de %3: los números de los dos signos (del 1 al 20) suman 19 o 39.</translation>
    </message>
    <message>
        <source>%1's day sign, %2, is the Occult of %3's: the numbers of the two signs (1 to 20) add up to 21.</source>
        <translation>El signo del día de %1, %2, es el Oculto del de %3: los números de los dos signos (del 1 al 20) suman 21.</translation>
    </message>
    <message>
        <source>%1's day sign, %2, is the Challenge of %3's: it stands ten signs away in the cycle of twenty.</source>
        <translation>El signo del día de %1, %2, es el Desafío del de %3: está a diez signos de distancia en el ciclo de veinte.</translation>
    </message>
    <message>
        <source>%1's day sign, %2, is the Guide in %3's cross: under tone %4 the Guide is the central sign itself.</source>
        <translation>El signo del día de %1, %2, es la Guía en la cruz de %3: con el tono %4, la Guía es el propio signo central.</translation>
    </message>
    <message>
        <source>%1's day sign, %2, is the Guide in %3's cross: tone %4 sets the Guide %5 signs on from the central sign, in its colour.</source>
        <translation>El signo del día de %1, %2, es la Guía en la cruz de %3: el tono %4 sitúa la Guía %5 signos después del signo central, en su mismo color.</translation>
    </message>
    <message>
        <source>Both day signs are %1 (%2 and %3): the colours run red, white, blue, yellow round the twenty signs.</source>
        <translation>Los dos signos del día son de color %1 (%2 y %3): los colores se suceden rojo, blanco, azul y amarillo a lo largo de los veinte signos.</translation>
    </message>
    <message>
        <source>Both day signs belong to the Dreamspell earth family of %1, %2, %3 and %4, the signs five places apart.</source>
        <translation>Los dos signos del día pertenecen a la familia terrestre Dreamspell de %1, %2, %3 y %4, los signos separados por cinco lugares.</translation>
    </message>
    <message>
        <source>Both kins lie in the trecena (wavespell) of kins %1 to %2, the thirteen days that open with %3.</source>
        <translation>Los dos kins están en la trecena (onda encantada) de los kins %1 a %2, los trece días que empiezan con %3.</translation>
    </message>
    <message>
        <source>Both kins lie in the %1 of the Dreamspell's five castles, kins %2 to %3; each castle is a run of 52 kins.</source>
        <translation>Los dos kins están en el %1 de los cinco castillos del Dreamspell, kins %2 a %3; cada castillo es una serie de 52 kins.</translation>
    </message>
    <message>
        <source>combined kin: kin %1 + kin %2, counted round to 1-260</source>
        <translation>kin combinado: kin %1 + kin %2, contado en el ciclo de 1 a 260</translation>
    </message>
    <message>
        <source>%1 · tone %2, %3 · %4 (%5): %6</source>
        <translation>%1 · tono %2, %3 · %4 (%5): %6</translation>
    </message>
    <message>
        <source>Both readings follow the %1.</source>
        <translation>Las dos lecturas siguen la %1.</translation>
    </message>
    <message>
        <source>None of these rules finds a relation between the two kins.</source>
        <translation>Ninguna de estas reglas encuentra una relación entre los dos kins.</translation>
    </message>
    <message>
        <source>Two Readings Side by Side</source>
        <translation>Dos lecturas lado a lado</translation>
    </message>
    <message>
        <source>%1 · %2 · tone %3, %4</source>
        <translation>%1 · %2 · tono %3, %4</translation>
    </message>
    <message>
        <source>Relations</source>
        <translation>Relaciones</translation>
    </message>
</context>
<context>
    <name>KinReturns</name>
    <message>
        <source>Kin %1 · %2 / %3</source>
        <translation>Kin %1 · %2 / %3</translation>
    </message>
    <message>
        <source>Kin Returns</source>
        <translation>Retornos del kin</translation>
    </message>
    <message>
        <source>Kin %1, %2, comes round again under the %3 on:</source>
        <translation>El kin %1, %2, vuelve según la %3 en estas fechas:</translation>
    </message>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (hoy)</translation>
    </message>
    <message>
        <source>29 February has no kin of its own in this count and is never a return.</source>
        <translation>El 29 de febrero no tiene kin propio en esta cuenta y nunca es un retorno.</translation>
    </message>
    <message>
        <source>Kin %1 · %2</source>
        <translation>Kin %1 · %2</translation>
    </message>
    <message>
        <source>%1 – kin return</source>
        <translation>%1 – retorno del kin</translation>
    </message>
    <message>
        <source>%1 – kin return (%2)</source>
        <translation>%1 – retorno del kin (%2)</translation>
    </message>
    <message>
        <source>Kin %1, %2, %3: the kin of %4, under the %5.</source>
        <translation>Kin %1, %2, %3: el kin del %4, según la %5.</translation>
    </message>
    <message>
        <source>Kin %1, %2, %3: the kin of %4, born %5, under the %6.</source>
        <translation>Kin %1, %2, %3: el kin de %4 (nacimiento: %5), según la %6.</translation>
    </message>
    <message>
        <source>The kin returns could not be saved to %1.

%2</source>
        <translation>No se pudieron guardar los retornos del kin en %1.

%2</translation>
    </message>
</context>
<context>
    <name>Printing</name>
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
        <source>A reading file holds a year from %1 to %2, a month's English name and a day from 1 to 31, not "%3 %4 %5". Nothing was saved.</source>
        <translation>Un archivo de lectura guarda un año de %1 a %2, el nombre de un mes en inglés y un día del 1 al 31, no «%3 %4 %5». No se guardó nada.</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.

%2</source>
        <translation>No se pudo guardar la lectura en %1.

%2</translation>
    </message>
    <message>
        <source>A reading file's name ends in "man".</source>
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
    <message>
        <source>It is a link to %1; nothing is written through it.</source>
        <translation>Es un enlace a %1; no se escribe nada a través de él.</translation>
    </message>
    <message>
        <source>It is a link to %1, which does not exist.</source>
        <translation>Es un enlace a %1, que no existe.</translation>
    </message>
    <message>
        <source>It is a link to %1, which is not a reading file.</source>
        <translation>Es un enlace a %1, que no es un archivo de lectura.</translation>
    </message>
    <message>
        <source>It is a link to %1, which is not a PDF file.</source>
        <translation>Es un enlace a %1, que no es un archivo PDF.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Listed for the traditional count 584283 only, under which this date's sign is %1 (%2): %3.</source>
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
        <source>Mayan Day Number's Description: </source>
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
        <source>Mayan Day Sign's Description: </source>
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
        <source>Haab': </source>
        <translation>Haab': </translation>
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
        <source>the Dreamspell count gives 29 February no kin of its own. It is "0.0 Hunab Ku", a day outside the 260-day cycle, so this reading takes the kin of 28 February.</source>
        <translation>la cuenta Dreamspell no da al 29 de febrero un kin propio. Es «0.0 Hunab Ku», un día fuera del ciclo de 260 días, por lo que esta lectura toma el kin del 28 de febrero.</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Informe generado por %1</translation>
    </message>
    <message>
        <source>Born before sunrise on %1; the day began at sunrise, so this is the reading of %2.</source>
        <translation>Nació antes del amanecer del %1; el día empezaba al amanecer, así que esta es la lectura del %2.</translation>
    </message>
    <message>
        <source>Born in the evening of %1; the day began at sunset, so this is the reading of %2.</source>
        <translation>Nació en la noche del %1; el día empezaba al ponerse el sol, así que esta es la lectura del %2.</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>month, day, year</comment>
        <translation>%2 de %1 de %3</translation>
    </message>
</context>
<context>
    <name>Today</name>
    <message>
        <source>Today: Kin %1, %2 · %3</source>
        <translation>Hoy: kin %1, %2 · %3</translation>
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
    <message>
        <source>A birth at that time takes the reading of %1, a date outside 0001-01-01 to 9999-12-31, which the program does not read.</source>
        <translation>Un nacimiento a esa hora toma la lectura del %1, una fecha fuera del intervalo de 0001-01-01 a 9999-12-31, que el programa no lee.</translation>
    </message>
</context>
<context>
    <name>kinwheel</name>
    <message>
        <source>No printer is available.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
    <message>
        <source>The printer "%1" cannot be used.</source>
        <translation>No se puede usar la impresora «%1».</translation>
    </message>
    <message>
        <source>The printer "%1" reported an error.</source>
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
    <message>
        <source>It holds %1 bytes, more than settings ever take (%2 at most).</source>
        <translation>Ocupa %1 bytes, más de lo que la configuración ocupa nunca (%2 como máximo).</translation>
    </message>
    <message>
        <source>It changed while it was read.</source>
        <translation>Cambió mientras se leía.</translation>
    </message>
    <message>
        <source>The settings could not be read from %1.

%2

Kinwheel runs on its default settings and leaves that file as it is.</source>
        <translation>No se pudo leer la configuración de %1.

%2

Kinwheel funcionará con la configuración predeterminada y dejará ese archivo tal como está.</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>hay una carpeta en su lugar</translation>
    </message>
    <message>
        <source>it names no instance and cannot be removed</source>
        <translation>no indica ninguna instancia y no se puede quitar</translation>
    </message>
    <message>
        <source>its folder is missing</source>
        <translation>falta su carpeta</translation>
    </message>
    <message>
        <source>its folder takes no file</source>
        <translation>su carpeta no admite archivos</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>no se puede escribir</translation>
    </message>
    <message>
        <source>kinwheel: the lock %1 cannot be taken (%2); starting all the same.
</source>
        <translation>kinwheel: no se puede tomar el bloqueo %1 (%2); se inicia de todos modos.
</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya está abierta</translation>
    </message>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una actualización de este programa</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Quieres buscar una actualización?</translation>
    </message>
    <message>
        <source>Mayan Astrology (*.man)</source>
        <translation>Astrología maya (*.man)</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Ninguna)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Selecciona el archivo de origen</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Por favor, revisa el archivo.</translation>
    </message>
</context>
<context>
    <name>kinwheel::BoardGrid</name>
    <message>
        <source>Red Castle of Turning</source>
        <translation>Castillo Rojo del Girar</translation>
    </message>
    <message>
        <source>White Castle of Crossing</source>
        <translation>Castillo Blanco del Cruzar</translation>
    </message>
    <message>
        <source>Blue Castle of Burning</source>
        <translation>Castillo Azul del Quemar</translation>
    </message>
    <message>
        <source>Yellow Castle of Giving</source>
        <translation>Castillo Amarillo del Dar</translation>
    </message>
    <message>
        <source>Green Castle of Enchantment</source>
        <translation>Castillo Verde del Encantamiento</translation>
    </message>
    <message>
        <source>Tzolk'in board</source>
        <translation>Tablero del tzolk'in</translation>
    </message>
    <message>
        <source>your kin</source>
        <translation>tu kin</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>today's trecena</source>
        <translation>la trecena de hoy</translation>
    </message>
    <message>
        <source>your trecena</source>
        <translation>tu trecena</translation>
    </message>
    <message>
        <source>galactic activation portal</source>
        <translation>portal de activación galáctica</translation>
    </message>
    <message>
        <source>Kin %1, %2, %3</source>
        <translation>Kin %1, %2, %3</translation>
    </message>
    <message>
        <source>; %1</source>
        <translation>; %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>kinwheel::ProgramWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en línea</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;de este programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gana dinero en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Tzolk'in &amp;Board</source>
        <translation>&amp;Tablero del tzolk'in</translation>
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
    <name>kinwheel::frmAbout</name>
    <message>
        <source>Kinwheel generates your birth chart based on Mayan principles. The different glyphs in the specific positions have their own importance and effects on our lives.</source>
        <translation>Kinwheel genera tu carta natal según los principios mayas. Cada glifo, en su posición, tiene su propia importancia y su efecto en nuestra vida.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Ver más detalles.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kinwheel::frmBoard</name>
    <message>
        <source>Today · %1 · %2 · %3</source>
        <translation>Hoy · %1 · %2 · %3</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · %4</source>
        <translation>%1 · %2 · %3 · %4</translation>
    </message>
    <message>
        <source>Tzolk'in Board – %1</source>
        <translation>Tablero del tzolk'in – %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Save Board as &amp;Picture…</source>
        <translation>Guardar el tablero como &amp;imagen…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Before today:</source>
        <translation>Antes de hoy:</translation>
    </message>
    <message>
        <source>Kin %1</source>
        <translation>Kin %1</translation>
    </message>
    <message>
        <source>Tone %1: %2</source>
        <translation>Tono %1: %2</translation>
    </message>
    <message>
        <source>Sign: %1 (%2), %3</source>
        <translation>Signo: %1 (%2), %3</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <translation>Palabras clave: %1</translation>
    </message>
    <message>
        <source>Marks: %1</source>
        <translation>Marcas: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 (today)</source>
        <translation>%1 (hoy)</translation>
    </message>
    <message>
        <source>Next, from today (%1):</source>
        <translation>Próximas, desde hoy (%1):</translation>
    </message>
    <message>
        <source>Save Board as Picture</source>
        <translation>Guardar el tablero como imagen</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>No se pudo dibujar la imagen.</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.

%2</source>
        <translation>No se pudo guardar la imagen en %1.

%2</translation>
    </message>
</context>
<context>
    <name>kinwheel::frmCompare</name>
    <message>
        <source>Two Readings Side by Side</source>
        <translation>Dos lecturas lado a lado</translation>
    </message>
    <message>
        <source>&amp;Relations</source>
        <translation>&amp;Relaciones</translation>
    </message>
    <message>
        <source>Relations</source>
        <translation>Relaciones</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Guardar como P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1
Kin %2, %3 · tone %4, %5</source>
        <translation>%1
Kin %2, %3 · tono %4, %5</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>kinwheel::frmCompareWith</name>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Compare %1's reading with:</source>
        <translation>Comparar la lectura de %1 con:</translation>
    </message>
    <message>
        <source>&amp;Open Reading File…</source>
        <translation>&amp;Abrir archivo de lectura…</translation>
    </message>
    <message>
        <source>&amp;Recent Readings</source>
        <translation>Lecturas &amp;recientes</translation>
    </message>
    <message>
        <source>Or a name and birth date</source>
        <translation>O un nombre y una fecha de nacimiento</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>&amp;Date of Birth</source>
        <translation>&amp;Fecha de nacimiento</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kinwheel::frmMain</name>
    <message>
        <source>The count is used until the program ends, but it could not be kept for the next start: the settings could not be written.</source>
        <translation>La cuenta se usará hasta que cierres el programa, pero no se pudo guardar para la próxima vez: no se pudo escribir la configuración.</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>Time of &amp;birth</source>
        <translation>&amp;Hora</translation>
    </message>
    <message>
        <source>&amp;Compare With…</source>
        <translation>Co&amp;mparar con…</translation>
    </message>
    <message>
        <source>&amp;Count</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Traditional (correlation 584283)</source>
        <translation>&amp;Tradicional (correlación 584283)</translation>
    </message>
    <message>
        <source>Traditional (correlation 58428&amp;5)</source>
        <translation>Tradicional (correlación 58428&amp;5)</translation>
    </message>
    <message>
        <source>&amp;Dreamspell</source>
        <translation>&amp;Dreamspell</translation>
    </message>
    <message>
        <source>Not known / daytime</source>
        <translation>Desconocida / de día</translation>
    </message>
    <message>
        <source>Evening, after sunset</source>
        <translation>Noche, tras ponerse el sol</translation>
    </message>
    <message>
        <source>Night, after midnight and before sunrise</source>
        <translation>Madrugada, antes del amanecer</translation>
    </message>
    <message>
        <source>&amp;Day Begins At</source>
        <translation>&amp;Inicio del día</translation>
    </message>
    <message>
        <source>&amp;Midnight (calendar day)</source>
        <translation>A &amp;medianoche (día civil)</translation>
    </message>
    <message>
        <source>&amp;Sunset (the previous evening)</source>
        <translation>Al &amp;ponerse el sol (la tarde anterior)</translation>
    </message>
    <message>
        <source>Sun&amp;rise</source>
        <translation>Al &amp;amanecer</translation>
    </message>
    <message>
        <source>The day start is used until the program ends, but it could not be kept for the next start: the settings could not be written.</source>
        <translation>El inicio del día se usará hasta que cierres el programa, pero no se pudo guardar para la próxima vez: no se pudo escribir la configuración.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Abrir una lectura guardada</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Generate Mayan Astrology Birth Chart</source>
        <translation>&amp;Generar la carta natal maya</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading...</source>
        <translation>&amp;Abrir una lectura guardada...</translation>
    </message>
    <message>
        <source>Recent Readings</source>
        <translation>Lecturas recientes</translation>
    </message>
    <message>
        <source>&amp;Generate Mayan Birth Chart</source>
        <translation>&amp;Generar la carta natal maya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Idio&amp;ma</translation>
    </message>
    <message>
        <source>The language is used until the program ends, but it could not be kept for the next start: the settings could not be written.</source>
        <translation>El idioma se usará hasta que cierres el programa, pero no se pudo guardar para la próxima vez: no se pudo escribir la configuración.</translation>
    </message>
    <message>
        <source>Kinwheel generates your birth chart based on Mayan principles. Just input your date of birth and get your Mayan chart instantly.</source>
        <translation>Kinwheel traza tu carta natal según los principios mayas. Escribe tu fecha de nacimiento y obtén tu carta maya al instante.</translation>
    </message>
</context>
<context>
    <name>kinwheel::frmMayanBirthchartResult</name>
    <message>
        <source>&amp;Compare With…</source>
        <translation>Co&amp;mparar con…</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Export Kin &amp;Returns…</source>
        <translation>Exportar los &amp;retornos del kin…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>No return of this kin is left in the calendar.</source>
        <translation>No queda en el calendario ningún retorno de este kin.</translation>
    </message>
    <message>
        <source>Export Kin Returns</source>
        <translation>Exportar los retornos del kin</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
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
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
</context>
</TS>