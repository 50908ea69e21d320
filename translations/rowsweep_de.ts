<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Programer: %1</source>
        <extracomment>Second line of the About text; %1 is the author&apos;s name. &quot;Programer&quot; is the program&apos;s own English spelling: write your language&apos;s usual word correctly.</extracomment>
        <translation>Programmierung: %1</translation>
    </message>
    <message>
        <source>Made by %1</source>
        <extracomment>Third line of the About text, crediting the maker; %1 is the maker&apos;s name.</extracomment>
        <translation>Erstellt von %1</translation>
    </message>
    <message>
        <source>About Rowsweep</source>
        <extracomment>What a screen reader calls the About window&apos;s text box, which has the focus when the window opens.</extracomment>
        <translation>Über Rowsweep</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Exercise %1</source>
        <extracomment>Names a matrix that its file names &quot;# Exercise 4711&quot;, in the steps and on the sheet.</extracomment>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>Matrix %1</source>
        <extracomment>Names a matrix of a file by its place, counted from 1, before its worked solution.</extracomment>
        <translation>Matrix %1</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Ok</source>
        <extracomment>Button: closes the About window.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Button and window title: the program&apos;s name, version and credits.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Matrix</source>
        <extracomment>The frame around the grid the student types the matrix into.
----------
The frame around the matrix the student works on.</extracomment>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>Result Matrix</source>
        <extracomment>The frame around the grid that shows the reduced matrix.</extracomment>
        <translation>Ergebnismatrix</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>Button: fills the input grid with an example matrix.</extracomment>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>Button: reduces the matrix.</extracomment>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: empties every grid of both windows.</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Watch on a solving</source>
        <extracomment>Button: shows the window with the matrix after every stage of the reduction. The odd English is the program&apos;s own; translate the meaning.</extracomment>
        <translation>Lösungsweg ansehen</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: ends the program after asking.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Step 1</source>
        <extracomment>Frame: the matrix after the first stage of the reduction.</extracomment>
        <translation>Schritt 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Schritt 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Schritt 3</translation>
    </message>
    <message>
        <source>Step 4</source>
        <translation>Schritt 4</translation>
    </message>
    <message>
        <source>Step 5</source>
        <translation>Schritt 5</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Frame: the matrix after the last stage, the reduced matrix itself.</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Solving</source>
        <extracomment>Title of the window that shows the matrix after every stage of the reduction.</extracomment>
        <translation>Lösungsweg</translation>
    </message>
    <message>
        <source>Step 7</source>
        <translation>Schritt 7</translation>
    </message>
    <message>
        <source>Step 8</source>
        <translation>Schritt 8</translation>
    </message>
    <message>
        <source>Step 9</source>
        <translation>Schritt 9</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: takes the row operation typed in the line.</extracomment>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>Button: says the next operation of the Gauss–Jordan way.</extracomment>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>Button: back to the matrix the practice started from.</extracomment>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>From Input</source>
        <extracomment>Button: starts the practice again from the main window&apos;s input matrix.</extracomment>
        <translation>Aus der Eingabe</translation>
    </message>
    <message>
        <source>Use in Main Window</source>
        <extracomment>Button: types the practice&apos;s start matrix into the main window&apos;s input grid.</extracomment>
        <translation>Ins Hauptfenster</translation>
    </message>
    <message>
        <source>New Exercise</source>
        <extracomment>Button: starts a generated exercise of the kind chosen beside it.</extracomment>
        <translation>Neue Aufgabe</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Eine Lösung</translation>
    </message>
    <message>
        <source>Infinitely many solutions</source>
        <translation>Unendlich viele Lösungen</translation>
    </message>
    <message>
        <source>No solution</source>
        <translation>Keine Lösung</translation>
    </message>
    <message>
        <source>Any kind</source>
        <translation>Beliebige Art</translation>
    </message>
</context>
<context>
    <name>CellEdit</name>
    <message>
        <source>Not read in floating point: counted as 0</source>
        <translation>Bei Gleitkommarechnung nicht gelesen: als 0 gezählt</translation>
    </message>
    <message>
        <source>Not a number: counted as 0</source>
        <translation>Keine Zahl: als 0 gezählt</translation>
    </message>
    <message>
        <source>Too large for Exact Fractions: at most 100,000 digits</source>
        <extracomment>The mark of a cell such as &quot;1e999999999&quot;, whose exact value would need more than 100,000 decimal digits.</extracomment>
        <translation>Zu groß für „Exakte Brüche“: höchstens 100.000 Stellen</translation>
    </message>
</context>
<context>
    <name>CellGrid</name>
    <message>
        <source>%1, row %2, column %3</source>
        <extracomment>What a screen reader calls a cell: %1 is its frame&apos;s caption (&quot;Matrix&quot;, &quot;Step 4&quot;), %2 its row, %3 its column.</extracomment>
        <translation>%1, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>Pasted text cut: a grid holds 18 values of at most 32,767 characters.</source>
        <extracomment>Hover text of a grid after a paste too long for it: what was left out. 18 cells of 32,767 characters each.</extracomment>
        <translation>Eingefügter Text gekürzt: Eine Matrix fasst 18 Werte mit je höchstens 32.767 Zeichen.</translation>
    </message>
</context>
<context>
    <name>CellHover</name>
    <message>
        <source>(%1 in Exact Fractions)</source>
        <translation>(%1 bei „Exakte Brüche“)</translation>
    </message>
</context>
<context>
    <name>CellMenu</name>
    <message>
        <source>Print All Steps…</source>
        <translation>Alle Schritte drucken…</translation>
    </message>
    <message>
        <source>Save All Steps as PDF…</source>
        <translation>Alle Schritte als PDF speichern…</translation>
    </message>
    <message>
        <source>Reduced Form</source>
        <extracomment>Opens the window with the steps on to the reduced row echelon form.</extracomment>
        <translation>Reduzierte Zeilenstufenform</translation>
    </message>
    <message>
        <source>Exact Fractions</source>
        <extracomment>Checkable menu entry: every Solve computes in exact fractions instead of floating point.</extracomment>
        <translation>Exakte Brüche</translation>
    </message>
    <message>
        <source>Copy All Steps</source>
        <extracomment>Copies the matrix after every stage, with the row operations and the solution, as plain text.</extracomment>
        <translation>Alle Schritte kopieren</translation>
    </message>
    <message>
        <source>Copy All Steps as LaTeX</source>
        <translation>Alle Schritte als LaTeX kopieren</translation>
    </message>
    <message>
        <source>Copy Matrix</source>
        <extracomment>Copies the cells of this grid, a line per row, the values apart by tabs.</extracomment>
        <translation>Matrix kopieren</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>Opens the window where the student takes the row operations.</extracomment>
        <translation>Üben</translation>
    </message>
</context>
<context>
    <name>ExerciseSheet</name>
    <message>
        <source>Reduce the augmented matrix to reduced row echelon form and solve the system.</source>
        <extracomment>The task under each exercise&apos;s name on an exercise sheet.</extracomment>
        <translation>Bringen Sie die erweiterte Matrix auf reduzierte Zeilenstufenform und lösen Sie das Gleichungssystem.</translation>
    </message>
    <message>
        <source>Rowsweep: exercises</source>
        <extracomment>The title a PDF reader shows for an exercise sheet.</extracomment>
        <translation>Rowsweep: Aufgaben</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>Exchange rows %1 and %2</source>
        <extracomment>An elementary row operation; %1 and %2 are row numbers.</extracomment>
        <translation>Zeilen %1 und %2 vertauschen</translation>
    </message>
    <message>
        <source>Divide row %1 by %2</source>
        <extracomment>%1 is a row number, %2 a number written as a cell writes it (&quot;4&quot;, &quot;-13/9&quot;, &quot;0.25&quot;).</extracomment>
        <translation>Zeile %1 durch %2 teilen</translation>
    </message>
    <message>
        <source>Add %1 × row %2 to row %3</source>
        <extracomment>%1 is a number written as a cell writes it (&quot;4&quot;, &quot;4/3&quot;); %2 and %3 are row numbers.</extracomment>
        <translation>%1 × Zeile %2 zu Zeile %3 addieren</translation>
    </message>
    <message>
        <source>Subtract %1 × row %2 from row %3</source>
        <extracomment>%1 is a number written as a cell writes it (&quot;4&quot;, &quot;4/3&quot;); %2 and %3 are row numbers.</extracomment>
        <translation>%1 × Zeile %2 von Zeile %3 subtrahieren</translation>
    </message>
    <message>
        <source>Add row %1 divided by %2 to row %3</source>
        <extracomment>%1 and %3 are row numbers; %2 is a number written as a cell writes it (&quot;4&quot;, &quot;4/3&quot;).</extracomment>
        <translation>Zeile %1 geteilt durch %2 zu Zeile %3 addieren</translation>
    </message>
    <message>
        <source>Column %1 of row %2 is left as it was</source>
        <extracomment>Follows a row operation that skipped the row&apos;s first columns; %1 is a column, %2 a row number.</extracomment>
        <translation>Spalte %1 von Zeile %2 bleibt unverändert</translation>
    </message>
    <message>
        <source>No change: column %1 has no entry other than 0</source>
        <extracomment>Why a stage left the matrix as it was; %1 is a column number.</extracomment>
        <translation>Keine Änderung: Spalte %1 hat keinen Eintrag außer 0</translation>
    </message>
    <message>
        <source>No change: row %1 already has 1 in column %2</source>
        <extracomment>Why a stage left the matrix as it was; %1 is a row, %2 a column number.</extracomment>
        <translation>Keine Änderung: Zeile %1 hat in Spalte %2 schon eine 1</translation>
    </message>
    <message>
        <source>No change: row %1 already has 0 in column %2</source>
        <extracomment>Why a stage left the matrix as it was; %1 is a row, %2 a column number.</extracomment>
        <translation>Keine Änderung: Zeile %1 hat in Spalte %2 schon eine 0</translation>
    </message>
    <message>
        <source>No change: rows %1 and %2 have 0 in column %3</source>
        <extracomment>Why a stage left the matrix as it was; %1 and %2 are row numbers, %3 a column number.</extracomment>
        <translation>Keine Änderung: Zeilen %1 und %2 haben in Spalte %3 eine 0</translation>
    </message>
    <message>
        <source>Add row %1 to row %2</source>
        <extracomment>An elementary row operation; %1 and %2 are row numbers.</extracomment>
        <translation>Zeile %1 zu Zeile %2 addieren</translation>
    </message>
    <message>
        <source>Subtract row %1 from row %2</source>
        <extracomment>An elementary row operation; %1 and %2 are row numbers.</extracomment>
        <translation>Zeile %1 von Zeile %2 subtrahieren</translation>
    </message>
</context>
<context>
    <name>Latex</name>
    <message>
        <source> from column %1 on</source>
        <extracomment>LaTeX words after a row operation that leaves the columns before %1 alone; keep the leading blank.</extracomment>
        <translation> ab Spalte %1</translation>
    </message>
    <message>
        <source>No solution: row %1 reads</source>
        <extracomment>LaTeX words before the contradiction &quot;0 = 1&quot;; %1 is the row&apos;s number.</extracomment>
        <translation>Keine Lösung: Zeile %1 lautet</translation>
    </message>
    <message numerus="yes">
        <source>free</source>
        <extracomment>Follows the free unknowns of the general solution in LaTeX (&quot;x_3, x_4 free&quot;); their count picks the plural form.</extracomment>
        <translation>
            <numerusform>frei</numerusform>
            <numerusform>frei</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MakerLink</name>
    <message>
        <source>Maker&apos;s web page</source>
        <extracomment>What a screen reader calls the picture and the link that open the maker&apos;s web page.</extracomment>
        <translation>Webseite des Herstellers</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <extracomment>What a screen reader says the maker&apos;s link does; %1 is the web address.</extracomment>
        <translation>Öffnet %1 im Webbrowser</translation>
    </message>
</context>
<context>
    <name>MathError</name>
    <message>
        <source>Probably this system do not have a solving</source>
        <extracomment>Text of the message box shown when row 3 of the result is not all zero. The odd English is the program&apos;s own; translate the meaning.</extracomment>
        <translation>Dieses Gleichungssystem hat wahrscheinlich keine Lösung</translation>
    </message>
    <message>
        <source>Math error</source>
        <extracomment>Title of the message box shown when row 3 of the result is not all zero.</extracomment>
        <translation>Rechenfehler</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Information</source>
        <extracomment>What a screen reader calls the icon of the &quot;Math error&quot; message box.</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Title of the question asked before the program ends.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Asked before the program ends; answered with OK or Cancel.</extracomment>
        <translation>Programm wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Exercise %1</source>
        <extracomment>The number that fixes a generated practice exercise; it is never grouped.</extracomment>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>Operation %1</source>
        <extracomment>A student&apos;s operation in the handed-in practice, counted from 1.</extracomment>
        <translation>Umformung %1</translation>
    </message>
    <message>
        <source>exchange rows %1 and %2</source>
        <extracomment>Inside the hint&apos;s parentheses, lower-case where the language allows; %1 and %2 are row numbers.</extracomment>
        <translation>Zeilen %1 und %2 vertauschen</translation>
    </message>
    <message>
        <source>divide row %1 by %2</source>
        <extracomment>Inside the hint&apos;s parentheses; %1 is a row number, %2 a number as a cell writes it.</extracomment>
        <translation>Zeile %1 durch %2 teilen</translation>
    </message>
    <message>
        <source>multiply row %1 by %2</source>
        <extracomment>Inside the hint&apos;s parentheses; %1 is a row number, %2 a number as a cell writes it.</extracomment>
        <translation>Zeile %1 mit %2 multiplizieren</translation>
    </message>
    <message>
        <source>subtract row %1 from row %2</source>
        <extracomment>Inside the hint&apos;s parentheses; %1 and %2 are row numbers.</extracomment>
        <translation>Zeile %1 von Zeile %2 subtrahieren</translation>
    </message>
    <message>
        <source>add row %1 to row %2</source>
        <extracomment>Inside the hint&apos;s parentheses; %1 and %2 are row numbers.</extracomment>
        <translation>Zeile %1 zu Zeile %2 addieren</translation>
    </message>
    <message>
        <source>subtract %1 × row %2 from row %3</source>
        <extracomment>Inside the hint&apos;s parentheses; %1 is a number as a cell writes it, %2 and %3 row numbers.</extracomment>
        <translation>%1 × Zeile %2 von Zeile %3 subtrahieren</translation>
    </message>
    <message>
        <source>add %1 × row %2 to row %3</source>
        <extracomment>Inside the hint&apos;s parentheses; %1 is a number as a cell writes it, %2 and %3 row numbers.</extracomment>
        <translation>%1 × Zeile %2 zu Zeile %3 addieren</translation>
    </message>
    <message>
        <source>Column %1 is done: its pivot is 1 and every other entry is 0</source>
        <extracomment>Practice feedback; %1 is a column number.</extracomment>
        <translation>Spalte %1 ist fertig: Ihr Pivotelement ist 1 und jeder andere Eintrag 0</translation>
    </message>
    <message>
        <source>Column %1 is done: every entry is 0</source>
        <extracomment>Practice feedback for a column that needs no pivot; %1 is a column number.</extracomment>
        <translation>Spalte %1 ist fertig: Jeder Eintrag ist 0</translation>
    </message>
    <message>
        <source>Column %1 is done: it takes no pivot, and below row %2 every entry is 0</source>
        <extracomment>Practice feedback for a column that needs no pivot; %1 is a column number, %2 the last row with a pivot.</extracomment>
        <translation>Spalte %1 ist fertig: Sie erhält kein Pivotelement, und unter Zeile %2 ist jeder Eintrag 0</translation>
    </message>
    <message>
        <source>There is no row %1: the matrix has rows 1 to 3</source>
        <extracomment>A refused row operation; %1 is the row number typed.</extracomment>
        <translation>Es gibt keine Zeile %1: Die Matrix hat die Zeilen 1 bis 3</translation>
    </message>
    <message>
        <source>Multiplying a row by 0 is not a row operation: the equation would be lost</source>
        <translation>Eine Zeile mit 0 zu multiplizieren ist keine Zeilenumformung: Die Gleichung ginge verloren</translation>
    </message>
    <message>
        <source>Change one row at a time: Ri -&gt; Ri + c Rk, Ri -&gt; c Ri or Ri &lt;-&gt; Rk</source>
        <extracomment>The notation after the colon (R, -&gt;, c) stays as it is.</extracomment>
        <translation>Immer nur eine Zeile ändern: Ri -&gt; Ri + c Rk, Ri -&gt; c Ri oder Ri &lt;-&gt; Rk</translation>
    </message>
    <message>
        <source>Exchanging row %1 with itself changes nothing</source>
        <extracomment>A refused row operation; %1 is a row number.</extracomment>
        <translation>Zeile %1 mit sich selbst zu vertauschen ändert nichts</translation>
    </message>
    <message>
        <source>Write an operation such as R2 -&gt; R2 - 4R1, R1 &lt;-&gt; R3 or R3 -&gt; 1/2 R3</source>
        <extracomment>The notation after &quot;such as&quot; stays as it is.</extracomment>
        <translation>Eine Umformung schreiben, etwa R2 -&gt; R2 - 4R1, R1 &lt;-&gt; R3 oder R3 -&gt; 1/2 R3</translation>
    </message>
    <message>
        <source>Columns %1 to %2 are done</source>
        <extracomment>Practice feedback when one step completed several columns; %1 and %2 are column numbers.</extracomment>
        <translation>Die Spalten %1 bis %2 sind fertig</translation>
    </message>
    <message>
        <source>This step undid column %1, which was already done</source>
        <extracomment>Practice feedback: a legal step, but a wrong turn; %1 is a column number.</extracomment>
        <translation>Dieser Schritt hat Spalte %1 rückgängig gemacht, die schon fertig war</translation>
    </message>
    <message>
        <source>This step undid columns %1 to %2, which were already done</source>
        <extracomment>Practice feedback: a legal step, but a wrong turn; %1 and %2 are column numbers.</extracomment>
        <translation>Dieser Schritt hat die Spalten %1 bis %2 rückgängig gemacht, die schon fertig waren</translation>
    </message>
    <message>
        <source>A legal step; no column is done yet</source>
        <translation>Ein erlaubter Schritt; noch ist keine Spalte fertig</translation>
    </message>
    <message>
        <source>A legal step; columns 1 to %1 stay done</source>
        <extracomment>Practice feedback; %1 is the last column done.</extracomment>
        <translation>Ein erlaubter Schritt; die Spalten 1 bis %1 bleiben fertig</translation>
    </message>
    <message>
        <source>Columns done: none of 6</source>
        <extracomment>The practice&apos;s progress: no leading column is in reduced row echelon form yet.</extracomment>
        <translation>Fertige Spalten: keine von 6</translation>
    </message>
    <message>
        <source>Columns done: 1 to %1 of 6</source>
        <extracomment>The practice&apos;s progress; %1 is the last column done, of the six of the augmented matrix.</extracomment>
        <translation>Fertige Spalten: 1 bis %1 von 6</translation>
    </message>
    <message>
        <source>Reduced row echelon form reached in 1 operation (the Gauss–Jordan way from the start takes %1)</source>
        <extracomment>%1 is the number of operations the Gauss–Jordan elimination takes from the same start.</extracomment>
        <translation>Reduzierte Zeilenstufenform in 1 Umformung erreicht (das Gauß-Jordan-Verfahren braucht vom Start aus %1)</translation>
    </message>
    <message numerus="yes">
        <source>Reduced row echelon form reached in %n operations (the Gauss–Jordan way from the start takes %1)</source>
        <extracomment>%n operations taken by the student; %1 the operations the Gauss–Jordan elimination takes.</extracomment>
        <translation>
            <numerusform>Reduzierte Zeilenstufenform in %n Umformung erreicht (das Gauß-Jordan-Verfahren braucht vom Start aus %1)</numerusform>
            <numerusform>Reduzierte Zeilenstufenform in %n Umformungen erreicht (das Gauß-Jordan-Verfahren braucht vom Start aus %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing left to do: this is the reduced row echelon form</source>
        <translation>Nichts mehr zu tun: Das ist die reduzierte Zeilenstufenform</translation>
    </message>
    <message>
        <source>Next: %1 (%2)</source>
        <extracomment>The hint; %1 is the operation in the notation, %2 the same in words.</extracomment>
        <translation>Als Nächstes: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Practice</source>
        <extracomment>Title of the window where the student takes the row operations.</extracomment>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Operations taken</source>
        <extracomment>What a screen reader calls the list of the operations taken so far.</extracomment>
        <translation>Ausgeführte Umformungen</translation>
    </message>
    <message>
        <source>Row operation</source>
        <extracomment>What a screen reader calls the line the student types an operation into.</extracomment>
        <translation>Zeilenumformung</translation>
    </message>
    <message>
        <source>Kind of exercise</source>
        <extracomment>What a screen reader calls the chooser of the kind of a new exercise.</extracomment>
        <translation>Art der Aufgabe</translation>
    </message>
</context>
<context>
    <name>ReducedFormWindow</name>
    <message>
        <source>Reduced Form</source>
        <translation>Reduzierte Zeilenstufenform</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Step %1</source>
        <extracomment>A stage of the reduction, as its frame and the copied steps name it.</extracomment>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>The reduced form is computed in exact fractions from the exact Answer.</source>
        <extracomment>Above the steps on from the floating-point Answer to the reduced row echelon form. &quot;Answer&quot; is the last stage&apos;s frame.</extracomment>
        <translation>Die reduzierte Zeilenstufenform wird aus dem exakten Ergebnis in exakten Brüchen berechnet.</translation>
    </message>
    <message>
        <source>Answer in exact fractions</source>
        <extracomment>Title of the floating-point Answer computed again in exact fractions; &quot;Answer&quot; is the last stage&apos;s frame.</extracomment>
        <translation>Ergebnis in exakten Brüchen</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>The last stage: the reduced matrix itself, as its frame names it.</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Matrix</source>
        <extracomment>Title of the typed matrix in the copied and printed steps, as its frame names it.</extracomment>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The &quot;Math error&quot; box&apos;s title and text, as the copied steps repeat them where the box was shown.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Solution</source>
        <extracomment>Title of the verdict and the general solution at the end of the copied steps.</extracomment>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Row %1, column %2: &quot;%3&quot; is not a number, counted as 0</source>
        <extracomment>Below the typed matrix in the copied steps; %1 and %2 count from 1, %3 is the cell&apos;s text (&quot;l.5&quot;), perhaps shortened with &quot;…&quot;.</extracomment>
        <translation>Zeile %1, Spalte %2: „%3“ ist keine Zahl, als 0 gezählt</translation>
    </message>
    <message>
        <source>Row %1, column %2: &quot;%3&quot; is not read in floating point, counted as 0</source>
        <extracomment>Below the typed matrix in the copied steps, for a fraction (&quot;1/3&quot;) or a value beyond the range of floating point (&quot;1e400&quot;); %1 and %2 count from 1, %3 is the cell&apos;s text.</extracomment>
        <translation>Zeile %1, Spalte %2: „%3“ wird bei Gleitkommarechnung nicht gelesen, als 0 gezählt</translation>
    </message>
    <message>
        <source>Row %1, column %2: &quot;%3&quot; is too large for Exact Fractions, counted as 0</source>
        <extracomment>Below the typed matrix in the copied steps, for a value such as &quot;1e999999999&quot; whose exact form would need more than 100,000 digits; %1 and %2 count from 1, %3 is the cell&apos;s text.</extracomment>
        <translation>Zeile %1, Spalte %2: „%3“ ist zu groß für „Exakte Brüche“, als 0 gezählt</translation>
    </message>
</context>
<context>
    <name>StepsOutput</name>
    <message>
        <source>Save All Steps as PDF</source>
        <translation>Alle Schritte als PDF speichern</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Print All Steps</source>
        <translation>Alle Schritte drucken</translation>
    </message>
    <message>
        <source>Could not print to %1</source>
        <translation>Drucken auf %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>No solution: the equations contradict each other</source>
        <extracomment>The verdict line under the result matrix.</extracomment>
        <translation>Keine Lösung: Die Gleichungen widersprechen sich</translation>
    </message>
    <message>
        <source>Nothing to solve: every coefficient column is empty</source>
        <extracomment>The verdict line when the five coefficient columns are all zero.</extracomment>
        <translation>Nichts zu lösen: Alle Koeffizientenspalten sind leer</translation>
    </message>
    <message>
        <source>One solution: %1</source>
        <extracomment>%1 is the solution, &quot;x1 = 2, x2 = 3, x3 = -1&quot;.</extracomment>
        <translation>Genau eine Lösung: %1</translation>
    </message>
    <message numerus="yes">
        <source>Infinitely many solutions: %1 free</source>
        <extracomment>%1 names the free unknowns, &quot;x3&quot; or &quot;x3, x4, x5&quot;; their count picks the plural form.</extracomment>
        <translation>
            <numerusform>Unendlich viele Lösungen: %1 frei</numerusform>
            <numerusform>Unendlich viele Lösungen: %1 frei</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1 reads 0 = %2</source>
        <extracomment>Why there is no solution: row %1 of the reduced form is the equation 0 = %2, %2 not 0.</extracomment>
        <translation>Zeile %1 lautet 0 = %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 free</source>
        <extracomment>Last line of the general solution: %1 names the free unknowns, &quot;x3&quot; or &quot;x3, x4, x5&quot;; their count picks the plural form.</extracomment>
        <translation>
            <numerusform>%1 frei</numerusform>
            <numerusform>%1 frei</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WarningHint</name>
    <message>
        <source>In exact arithmetic row 3 is all zero: the warning comes from rounding. Exact Fractions is in a cell&apos;s menu.</source>
        <extracomment>Explains a &quot;Math error&quot; that floating point&apos;s rounding caused; &quot;Exact Fractions&quot; is the cells&apos; menu entry.</extracomment>
        <translation>Exakt gerechnet besteht Zeile 3 nur aus Nullen: Die Warnung kommt vom Runden. „Exakte Brüche“ steht im Menü einer Zelle.</translation>
    </message>
    <message>
        <source>In exact arithmetic row 3 is all zero: the numbers went beyond the range of floating point. Exact Fractions, in a cell&apos;s menu, computes them exactly.</source>
        <extracomment>Explains a &quot;Math error&quot; whose row 3 went beyond floating point&apos;s range; &quot;Exact Fractions&quot; is the cells&apos; menu entry.</extracomment>
        <translation>Exakt gerechnet besteht Zeile 3 nur aus Nullen: Die Zahlen haben den Bereich der Gleitkommazahlen überschritten. „Exakte Brüche“ im Menü einer Zelle berechnet sie exakt.</translation>
    </message>
    <message>
        <source>In exact arithmetic row 3 is all zero: floating point counted a value beyond its range as 0 (marked in red). Exact Fractions, in a cell&apos;s menu, reads it exactly.</source>
        <extracomment>Explains a &quot;Math error&quot; that came from a typed value floating point could not hold (&quot;1e-400&quot; read as 0); &quot;Exact Fractions&quot; is the cells&apos; menu entry.</extracomment>
        <translation>Exakt gerechnet besteht Zeile 3 nur aus Nullen: Die Gleitkommarechnung hat einen Wert außerhalb ihres Bereichs als 0 gezählt (rot markiert). „Exakte Brüche“ im Menü einer Zelle liest ihn exakt.</translation>
    </message>
    <message>
        <source>Floating point counted a value beyond its range as 0 (marked in red); the line below the result reads it exactly.</source>
        <extracomment>Under a floating-point result that a typed value beyond floating point&apos;s range (&quot;1e400&quot;) changed; the verdict line reads that value exactly.</extracomment>
        <translation>Die Gleitkommarechnung hat einen Wert außerhalb ihres Bereichs als 0 gezählt (rot markiert); die Zeile unter dem Ergebnis liest ihn exakt.</translation>
    </message>
</context>
<context>
    <name>WorkedDocument</name>
    <message>
        <source>Rowsweep: worked solution</source>
        <translation>Rowsweep: Lösungsweg</translation>
    </message>
</context>
<context>
    <name>WorkedSolution</name>
    <message>
        <source>The system has solutions; see the line below the result.</source>
        <extracomment>Follows a &quot;Math error&quot; when the reduced form still finds solutions.</extracomment>
        <translation>Das System hat Lösungen; siehe die Zeile unter dem Ergebnis.</translation>
    </message>
</context>
<context>
    <name>rowsweep::ui::CellEdit</name>
    <message>
        <source>Decimals are written with a point: %1</source>
        <extracomment>Added to the tooltip &quot;Not a number: counted as 0&quot; of a cell such as &quot;1,5&quot;, only in a language that writes a decimal comma. %1 is the cell&apos;s text with a decimal point (&quot;1.5&quot;).</extracomment>
        <translation>Dezimalzahlen werden mit Punkt geschrieben: %1</translation>
    </message>
</context>
</TS>
