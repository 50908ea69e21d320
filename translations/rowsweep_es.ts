<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Programer: %1</source>
        <extracomment>Second line of the About text; %1 is the author&apos;s name. &quot;Programer&quot; is the program&apos;s own English spelling: write your language&apos;s usual word correctly.</extracomment>
        <translation>Programación: %1</translation>
    </message>
    <message>
        <source>Made by %1</source>
        <extracomment>Third line of the About text, crediting the maker; %1 is the maker&apos;s name.</extracomment>
        <translation>Creado por %1</translation>
    </message>
    <message>
        <source>About Rowsweep</source>
        <extracomment>What a screen reader calls the About window&apos;s text box, which has the focus when the window opens.</extracomment>
        <translation>Acerca de Rowsweep</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Ok</source>
        <extracomment>Button: closes the About window.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Button and window title: the program&apos;s name, version and credits.</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Matrix</source>
        <extracomment>The frame around the grid the student types the matrix into.</extracomment>
        <translation>Matriz</translation>
    </message>
    <message>
        <source>Result Matrix</source>
        <extracomment>The frame around the grid that shows the reduced matrix.</extracomment>
        <translation>Matriz resultante</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>Button: fills the input grid with an example matrix.</extracomment>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>Button: reduces the matrix.</extracomment>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: empties every grid of both windows.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Watch on a solving</source>
        <extracomment>Button: shows the window with the matrix after every stage of the reduction. The odd English is the program&apos;s own; translate the meaning.</extracomment>
        <translation>Ver la resolución</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: ends the program after asking.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Step 1</source>
        <extracomment>Frame: the matrix after the first stage of the reduction.</extracomment>
        <translation>Paso 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Paso 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Paso 3</translation>
    </message>
    <message>
        <source>Step 4</source>
        <translation>Paso 4</translation>
    </message>
    <message>
        <source>Step 5</source>
        <translation>Paso 5</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Frame: the matrix after the last stage, the reduced matrix itself.</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Solving</source>
        <extracomment>Title of the window that shows the matrix after every stage of the reduction.</extracomment>
        <translation>Resolución</translation>
    </message>
</context>
<context>
    <name>CellEdit</name>
    <message>
        <source>Not read in floating point: counted as 0</source>
        <translation>No se lee en coma flotante: se cuenta como 0</translation>
    </message>
    <message>
        <source>Not a number: counted as 0</source>
        <translation>No es un número: se cuenta como 0</translation>
    </message>
</context>
<context>
    <name>CellHover</name>
    <message>
        <source>(%1 in Exact Fractions)</source>
        <translation>(%1 con «Fracciones exactas»)</translation>
    </message>
</context>
<context>
    <name>CellMenu</name>
    <message>
        <source>Print All Steps…</source>
        <translation>Imprimir todos los pasos…</translation>
    </message>
    <message>
        <source>Save All Steps as PDF…</source>
        <translation>Guardar todos los pasos como PDF…</translation>
    </message>
    <message>
        <source>Reduced Form</source>
        <translation>Forma escalonada reducida</translation>
    </message>
</context>
<context>
    <name>MakerLink</name>
    <message>
        <source>Maker&apos;s web page</source>
        <extracomment>What a screen reader calls the picture and the link that open the maker&apos;s web page.</extracomment>
        <translation>Página web del creador</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <extracomment>What a screen reader says the maker&apos;s link does; %1 is the web address.</extracomment>
        <translation>Abre %1 en el navegador web</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Information</source>
        <extracomment>What a screen reader calls the icon of the &quot;Math error&quot; message box.</extracomment>
        <translation>Información</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Title of the question asked before the program ends.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Asked before the program ends; answered with OK or Cancel.</extracomment>
        <translation>¿Desea salir del programa?</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>ReducedFormWindow</name>
    <message>
        <source>Reduced Form</source>
        <translation>Forma escalonada reducida</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>The reduced form is computed in exact fractions from the exact Answer.</source>
        <translation>La forma escalonada reducida se calcula en fracciones exactas a partir del resultado exacto.</translation>
    </message>
    <message>
        <source>Answer in exact fractions</source>
        <translation>Resultado en fracciones exactas</translation>
    </message>
</context>
<context>
    <name>StepsOutput</name>
    <message>
        <source>Save All Steps as PDF</source>
        <translation>Guardar todos los pasos como PDF</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>Print All Steps</source>
        <translation>Imprimir todos los pasos</translation>
    </message>
    <message>
        <source>Could not print to %1</source>
        <translation>No se pudo imprimir en %1</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>No solution: the equations contradict each other</source>
        <translation>Sin solución: las ecuaciones se contradicen</translation>
    </message>
    <message>
        <source>Nothing to solve: every coefficient column is empty</source>
        <translation>Nada que resolver: todas las columnas de coeficientes están vacías</translation>
    </message>
    <message>
        <source>One solution: %1</source>
        <translation>Solución única: %1</translation>
    </message>
    <message>
        <source>Infinitely many solutions: %1 free</source>
        <translation>Infinitas soluciones: %1 libre(s)</translation>
    </message>
    <message>
        <source>Row %1 reads 0 = %2</source>
        <translation>La fila %1 dice 0 = %2</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 libre(s)</translation>
    </message>
</context>
<context>
    <name>WorkedDocument</name>
    <message>
        <source>Rowsweep: worked solution</source>
        <translation>Rowsweep: resolución detallada</translation>
    </message>
</context>
<context>
    <name>rowsweep::steps</name>
    <message>
        <source>In exact arithmetic row 3 is all zero: the numbers went beyond the range of floating point. Exact Fractions, in a cell&apos;s menu, computes them exactly.</source>
        <translation>En aritmética exacta, la fila 3 solo contiene ceros: los números superaron el rango de la coma flotante. «Fracciones exactas», en el menú de una celda, los calcula de forma exacta.</translation>
    </message>
</context>
<context>
    <name>rowsweep::ui::CellEdit</name>
    <message>
        <source>Decimals are written with a point: %1</source>
        <extracomment>Added to the tooltip &quot;Not a number: counted as 0&quot; of a cell such as &quot;1,5&quot;, only in a language that writes a decimal comma. %1 is the cell&apos;s text with a decimal point (&quot;1.5&quot;).</extracomment>
        <translation>Los decimales se escriben con punto: %1</translation>
    </message>
</context>
</TS>
