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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a file name, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names the file the reading is read from: it would be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not write over a reading file (%2): give a name that ends otherwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (see kinwheel --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An argument is not text in the system&apos;s encoding: %1. It is refused, so that no file is read or written but the one named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value, not the option %2; write %1=%3 if that is the value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give one reading file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reading file to open is given alone; %1 is not an option&apos;s value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count takes 584283, 584285 or dreamspell, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--date and --read cannot be used together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give a birth date with --date or a reading file with --read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--name goes with --date; a reading file holds its own name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--save takes --date and --name alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use one of --json and --pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--date takes a date YYYY-MM-DD from 0001-01-01 to 9999-12-31, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>The name cannot be stored in a reading file, because a reading file cannot hold these characters: %1.

Please change the name, generate the reading again and save it then. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name has %1 characters; a reading file holds at most %2.

Please shorten the name, generate the reading again and save it then. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reading file holds a year from %1 to %2, a month&apos;s English name and a day from 1 to 31, not &quot;%3 %4 %5&quot;. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reading file&apos;s name ends in &quot;man&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a link to nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It ends before its fourth line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A line is longer than %1 bytes: it is not a reading file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds a value no reading file has.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Listed for the traditional count 584283 only, under which this date&apos;s sign is %1 (%2): %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eighth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ninth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>traditional, correlation 584283 (GMT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>traditional, correlation 584285</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dreamspell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Number: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Number&apos;s Description: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Signs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Sign: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Gemstone: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Keywords: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Significance: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Sign&apos;s Description: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Mayan Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan English Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Famous Personalities born under this sign: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This signifies the features for your day of birth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This signifies features common with you personality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This signifies magical gift that you have in you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This signifies the challenges that up may have to face and situations where you have to show your courage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This signifies the force that influences your action.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, month, year</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>traditional count 584283</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>traditional count 584285</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dreamspell count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kin %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <comment>date, kin, count</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · %4</source>
        <comment>name, date, kin, count</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maya Calendar Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kin: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 of the nine)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trecena: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long Count: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haab&apos;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar Round: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord of the Night: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leap day: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Dreamspell count gives 29 February no kin of its own. It is &quot;0.0 Hunab Ku&quot;, a day outside the 260-day cycle, so this reading takes the kin of 28 February.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name holds control characters: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name has %1 characters; the program takes at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kinwheel</name>
    <message>
        <source>No printer is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pages could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web page could not be opened: no web browser or other program took its address.

%1

You can copy the address from here and open it in your browser.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kinwheel::ToneBadge</name>
    <message>
        <source>Tone %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kinwheel::frmMain</name>
    <message>
        <source>The count is used until the program ends, but it could not be kept for the next start: the settings could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kinwheel::frmSave</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed.

%1

Do you want to save it as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
