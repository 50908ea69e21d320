<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Programer: %1</source>
        <extracomment>Second line of the About text; %1 is the author&apos;s name. &quot;Programer&quot; is the program&apos;s own English spelling: write your language&apos;s usual word correctly.</extracomment>
        <translation>Programmation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Made by %1</source>
        <extracomment>Third line of the About text, crediting the maker; %1 is the maker&apos;s name.</extracomment>
        <translation>Réalisé par %1</translation>
    </message>
    <message>
        <source>About Rowsweep</source>
        <extracomment>What a screen reader calls the About window&apos;s text box, which has the focus when the window opens.</extracomment>
        <translation>À propos de Rowsweep</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <source>Matrix</source>
        <extracomment>The frame around the grid the student types the matrix into.</extracomment>
        <translation>Matrice</translation>
    </message>
    <message>
        <source>Result Matrix</source>
        <extracomment>The frame around the grid that shows the reduced matrix.</extracomment>
        <translation>Matrice résultat</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>Button: fills the input grid with an example matrix.</extracomment>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>Button: reduces the matrix.</extracomment>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: empties every grid of both windows.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Watch on a solving</source>
        <extracomment>Button: shows the window with the matrix after every stage of the reduction. The odd English is the program&apos;s own; translate the meaning.</extracomment>
        <translation>Voir la résolution</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button: ends the program after asking.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Step 1</source>
        <extracomment>Frame: the matrix after the first stage of the reduction.</extracomment>
        <translation>Étape 1</translation>
    </message>
    <message>
        <source>Step 2</source>
        <translation>Étape 2</translation>
    </message>
    <message>
        <source>Step 3</source>
        <translation>Étape 3</translation>
    </message>
    <message>
        <source>Step 4</source>
        <translation>Étape 4</translation>
    </message>
    <message>
        <source>Step 5</source>
        <translation>Étape 5</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Frame: the matrix after the last stage, the reduced matrix itself.</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Solving</source>
        <extracomment>Title of the window that shows the matrix after every stage of the reduction.</extracomment>
        <translation>Résolution</translation>
    </message>
</context>
<context>
    <name>CellEdit</name>
    <message>
        <source>Not read in floating point: counted as 0</source>
        <translation>Non lu en virgule flottante&#xa0;: compté comme 0</translation>
    </message>
    <message>
        <source>Not a number: counted as 0</source>
        <translation>Pas un nombre&#xa0;: compté comme 0</translation>
    </message>
</context>
<context>
    <name>CellHover</name>
    <message>
        <source>(%1 in Exact Fractions)</source>
        <translation>(%1 avec «&#xa0;Fractions exactes&#xa0;»)</translation>
    </message>
</context>
<context>
    <name>CellMenu</name>
    <message>
        <source>Print All Steps…</source>
        <translation>Imprimer toutes les étapes…</translation>
    </message>
    <message>
        <source>Save All Steps as PDF…</source>
        <translation>Enregistrer toutes les étapes en PDF…</translation>
    </message>
    <message>
        <source>Reduced Form</source>
        <translation>Forme échelonnée réduite</translation>
    </message>
</context>
<context>
    <name>MakerLink</name>
    <message>
        <source>Maker&apos;s web page</source>
        <extracomment>What a screen reader calls the picture and the link that open the maker&apos;s web page.</extracomment>
        <translation>Site web du créateur</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <extracomment>What a screen reader says the maker&apos;s link does; %1 is the web address.</extracomment>
        <translation>Ouvre %1 dans le navigateur web</translation>
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
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>Asked before the program ends; answered with OK or Cancel.</extracomment>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
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
        <translation>Forme échelonnée réduite</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
    <message>
        <source>The reduced form is computed in exact fractions from the exact Answer.</source>
        <translation>La forme échelonnée réduite est calculée en fractions exactes à partir du résultat exact.</translation>
    </message>
    <message>
        <source>Answer in exact fractions</source>
        <translation>Résultat en fractions exactes</translation>
    </message>
</context>
<context>
    <name>StepsOutput</name>
    <message>
        <source>Save All Steps as PDF</source>
        <translation>Enregistrer toutes les étapes en PDF</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d’enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Print All Steps</source>
        <translation>Imprimer toutes les étapes</translation>
    </message>
    <message>
        <source>Could not print to %1</source>
        <translation>Impossible d’imprimer sur %1</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>No solution: the equations contradict each other</source>
        <translation>Aucune solution&#xa0;: les équations se contredisent</translation>
    </message>
    <message>
        <source>Nothing to solve: every coefficient column is empty</source>
        <translation>Rien à résoudre&#xa0;: toutes les colonnes de coefficients sont vides</translation>
    </message>
    <message>
        <source>One solution: %1</source>
        <translation>Une solution unique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Infinitely many solutions: %1 free</source>
        <translation>Une infinité de solutions&#xa0;: %1 libre(s)</translation>
    </message>
    <message>
        <source>Row %1 reads 0 = %2</source>
        <translation>La ligne %1 donne 0 = %2</translation>
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
        <translation>Rowsweep&#xa0;: résolution détaillée</translation>
    </message>
</context>
<context>
    <name>rowsweep::steps</name>
    <message>
        <source>In exact arithmetic row 3 is all zero: the numbers went beyond the range of floating point. Exact Fractions, in a cell&apos;s menu, computes them exactly.</source>
        <translation>En calcul exact, la ligne 3 est entièrement nulle&#xa0;: les nombres ont dépassé les limites de la virgule flottante. «&#xa0;Fractions exactes&#xa0;», dans le menu d’une cellule, les calcule de façon exacte.</translation>
    </message>
</context>
<context>
    <name>rowsweep::ui::CellEdit</name>
    <message>
        <source>Decimals are written with a point: %1</source>
        <extracomment>Added to the tooltip &quot;Not a number: counted as 0&quot; of a cell such as &quot;1,5&quot;, only in a language that writes a decimal comma. %1 is the cell&apos;s text with a decimal point (&quot;1.5&quot;).</extracomment>
        <translation>Les nombres décimaux s’écrivent avec un point&#xa0;: %1</translation>
    </message>
</context>
</TS>
