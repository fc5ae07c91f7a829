<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form0</name>
    <message>
        <source>ABOUT</source>
        <extracomment>The about window&apos;s heading, in capitals, 18 pt bold serif in a box of 121 pixels.</extracomment>
        <translation>INFO</translation>
    </message>
    <message>
        <source>Programmer</source>
        <extracomment>The tooltip and screen reader name of the writer&apos;s photograph.</extracomment>
        <translation>Programmierer</translation>
    </message>
    <message>
        <source>Written By: Brindlemoor</source>
        <extracomment>The writer&apos;s name stays; 153 pixels at most.</extracomment>
        <translation>Autor: Brindlemoor</translation>
    </message>
    <message>
        <source>Information</source>
        <extracomment>What a screen reader calls the information sign.</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button that closes the about window (73 pixels), and its tooltip.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Done with this screen</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>About</source>
        <extracomment>A toolbar caption under its picture, at most about 50 pixels wide. Opens the about window.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>About Screen</source>
        <translation>Info-Fenster</translation>
    </message>
    <message>
        <source>Formulas</source>
        <extracomment>A toolbar caption and its tooltip (about 50 pixels): the window of conversion rules of thumb.</extracomment>
        <translation>Formeln</translation>
    </message>
    <message>
        <source>Calculator</source>
        <extracomment>A toolbar caption and tooltip (about 50 pixels): starts the desktop&apos;s calculator.</extracomment>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Fractions</source>
        <extracomment>A toolbar caption (about 50 pixels); its tooltip says Decimals: the fractions table.</extracomment>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Dezimalzahlen</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A toolbar caption (about 50 pixels) and its tooltip: shows how to use the program.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How To?</source>
        <translation>Wie geht das?</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A toolbar caption (about 50 pixels) and its tooltip: ends the program.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <extracomment>The button that converts (about 120 pixels, large bold face); Alt plus the &amp; letter.</extracomment>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Click here to calculate your Conversions.</source>
        <extracomment>The tooltip of the Calculate button.</extracomment>
        <translation>Hier klicken, um Ihre Umrechnungen zu berechnen.</translation>
    </message>
    <message>
        <source>   Enter Number Here</source>
        <extracomment>The label over the amount box, about 125 pixels; the how-to message names it.</extracomment>
        <translation>   Zahl hier eingeben</translation>
    </message>
    <message>
        <source>Enter the Ammount you want converted here.</source>
        <extracomment>The tooltip of the amount box.</extracomment>
        <translation>Geben Sie hier die Menge ein, die umgerechnet werden soll.</translation>
    </message>
    <message>
        <source>Make Selection Here</source>
        <extracomment>The label over the unit box, about 120 pixels; the how-to message names it.</extracomment>
        <translation>Einheit hier wählen</translation>
    </message>
    <message>
        <source>Click Here to Select Measurement to Convert.</source>
        <extracomment>The tooltip of the unit box.</extracomment>
        <translation>Hier klicken, um die umzurechnende Einheit zu wählen.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>File menu items; each &amp; letter unique within the menu. The Ctrl shortcuts stay.</extracomment>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Exit Program</source>
        <translation>Programm &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Formulas</source>
        <extracomment>Tools menu items; each &amp; letter unique within the menu.</extracomment>
        <translation>&amp;Formeln</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>&amp;Brüche</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Taschenrechner</translation>
    </message>
    <message>
        <source>&amp;Warranty</source>
        <extracomment>The only item of the Legal menu.</extracomment>
        <translation>&amp;Gewährleistung</translation>
    </message>
    <message>
        <source>&amp;How To</source>
        <extracomment>The only item of the Help menu: shows how to use the program.</extracomment>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu titles: the four must fit one row of 417 pixels, with &amp; letters unique among them and different from the &amp; letter of the Calculate button.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Legal</source>
        <translation>&amp;Rechtliches</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>I hate 4-letter Words, Cook, Iron, Wash, and Dust</source>
        <extracomment>The joke the maker&apos;s label shows when clicked: chores that are four-letter words in English.</extracomment>
        <translation>Ich hasse Schimpfwörter: Kochen, Bügeln, Waschen und Staubwischen</translation>
    </message>
    <message>
        <source>The calculator could not be started</source>
        <translation>Der Taschenrechner konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>To use this program simply Enter a number in the &apos;Enter Number Here&apos; text box and make a selection in the &apos;Make Selection Here&apos; text Box. Then Click the Calculate Button to see the results in the surrounding Windows</source>
        <extracomment>The how-to message. Name the amount box, the unit box and the button as their labels and caption read in your language.</extracomment>
        <translation>Geben Sie einfach eine Zahl in das Feld „Zahl hier eingeben“ ein und wählen Sie im Feld „Einheit hier wählen“ eine Einheit. Klicken Sie dann auf die Schaltfläche „Berechnen“, um die Ergebnisse in den umliegenden Feldern zu sehen</translation>
    </message>
    <message>
        <source>Converter</source>
        <extracomment>What a screen reader calls the area of the result boxes, the amount and the Calculate button.</extracomment>
        <translation>Umrechner</translation>
    </message>
    <message>
        <source>Amount and unit</source>
        <extracomment>What a screen reader calls the frame around the amount box and the unit box.</extracomment>
        <translation>Menge und Einheit</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>measure</source>
        <extracomment>The heading line of the volume list.</extracomment>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>1ml slightly less than 1/4 teaspoon</source>
        <translation>1 ml knapp 1/4 TL</translation>
    </message>
    <message>
        <source>2ml slighely less than 1/2 teaspoon</source>
        <translation>2 ml knapp 1/2 TL</translation>
    </message>
    <message>
        <source>5ml 1 teaspoon</source>
        <translation>5 ml 1 TL</translation>
    </message>
    <message>
        <source>15ml 1 tablespoon</source>
        <translation>15 ml 1 EL</translation>
    </message>
    <message>
        <source>25ml 1 tablespoon plus 2 teaspoons</source>
        <translation>25 ml 1 EL plus 2 TL</translation>
    </message>
    <message>
        <source>50ml 1/4 cup minus 2 teaspoons</source>
        <translation>50 ml 1/4 US-Tasse minus 2 TL</translation>
    </message>
    <message>
        <source>125ml 1/2 cup plus 1 1/2 teaspoons</source>
        <translation>125 ml 1/2 US-Tasse plus 1 1/2 TL</translation>
    </message>
    <message>
        <source>250ml 1 cup plus 1 tablespoon</source>
        <translation>250 ml 1 US-Tasse plus 1 EL</translation>
    </message>
    <message>
        <source>500ml 1 pint plus 2 tablespoons</source>
        <translation>500 ml 1 US-Pint plus 2 EL</translation>
    </message>
    <message>
        <source>1 l (1000ml) 1 quart plus 1/4 cup</source>
        <translation>1 l 1 US-Quart plus 1/4 US-Tasse</translation>
    </message>
    <message>
        <source>weight</source>
        <extracomment>The heading line of the weight list; ounces and pounds here are US weights.</extracomment>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>30g 1 ounce plus a large pinch</source>
        <translation>30 g 1 oz plus eine große Prise</translation>
    </message>
    <message>
        <source>125g 1/4 pound plus 1/4 ounce</source>
        <translation>125 g 1/4 lb plus 1/4 oz</translation>
    </message>
    <message>
        <source>250g 1/2 pound plus less than an ounce</source>
        <translation>250 g 1/2 lb plus knapp 1 oz</translation>
    </message>
    <message>
        <source>500g 1 pound plus 1 2/3 ounces</source>
        <translation>500 g 1 lb plus 1 2/3 oz</translation>
    </message>
    <message>
        <source>1kg 2 pounds plus about 3 1/2 ounces</source>
        <translation>1 kg 2 lb plus etwa 3 1/2 oz</translation>
    </message>
    <message>
        <source>Conversion</source>
        <extracomment>The banner&apos;s first line, in a large condensed face, 225 pixels at most.</extracomment>
        <translation>Formeln zur</translation>
    </message>
    <message>
        <source>Formulas</source>
        <extracomment>The banner&apos;s second line, in a large condensed face, 225 pixels at most.</extracomment>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>Multiplication sign</source>
        <extracomment>What a screen reader calls the picture of a multiplication sign.</extracomment>
        <translation>Malzeichen</translation>
    </message>
    <message>
        <source>Division sign</source>
        <extracomment>What a screen reader calls the picture of a division sign.</extracomment>
        <translation>Geteiltzeichen</translation>
    </message>
    <message>
        <source>Other Formulas</source>
        <extracomment>The caption of the frame around both lists.</extracomment>
        <translation>Weitere Formeln</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <extracomment>The button that closes the window (81 pixels, bold), and its tooltip.</extracomment>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Click to close this screen.</source>
        <translation>Klicken, um dieses Fenster zu schließen.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>%1 logo</source>
        <extracomment>What a screen reader calls the maker&apos;s logo; %1 is the maker&apos;s name.</extracomment>
        <translation>%1-Logo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button (65 pixels, bold) that leads into the converter, and its tooltip.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click to goto %1</source>
        <extracomment>The OK button&apos;s tooltip; %1 is the program&apos;s name, kept as it is.</extracomment>
        <translation>Klicken, um %1 zu öffnen</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>DISCLAIMER:This software is provided &quot;AS IS&quot; without warranty of any kind.</source>
        <extracomment>The warranty text&apos;s first line.</extracomment>
        <translation>HAFTUNGSAUSSCHLUSS: Software „WIE BESEHEN“, ohne jede Gewähr.</translation>
    </message>
    <message>
        <source>LIMITATION OF LIABILITY: %1 MAKES NO 
WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING ANY 
WARRANTY OF MERCHANTABILITY OR OF FITNESS FOR ANY 
PARTICULAR PURPOSE. 
%1 DOES NOT WARRANT, GUARANTEE OR MAKE ANY 
REPRESENTATIONS REGARDING THE USE, OR THE RESULTS OF THE 
USE, OF THE SOFTWARE IN TERMS OF ITS CORRECTNESS, 
ACCURACY, RELIABILITY, CURRENTNESS OR OTHERWISE. NEITHER 
%1 NOR ITS VENDORS SHALL BE LIABLE FOR ANY 
LOSS OF PROFITS, LOSS OF USE OR INTERRUPTION OF BUSINESS, 
NOR FOR INDIRECT, SPECIAL, INCIDENTAL OR CONSEQUENTIAL 
DAMAGES WHATSOEVER.</source>
        <extracomment>The liability paragraph, in capitals, with hard line breaks of about 60 characters each; %1 is the maker&apos;s name in capitals.</extracomment>
        <translation>HAFTUNGSBESCHRÄNKUNG: %1 ÜBERNIMMT KEINE 
AUSDRÜCKLICHE ODER STILLSCHWEIGENDE GEWÄHRLEISTUNG, AUCH 
NICHT FÜR DIE MARKTGÄNGIGKEIT ODER DIE EIGNUNG FÜR EINEN 
BESTIMMTEN ZWECK. 
%1 GEWÄHRLEISTET NICHTS UND SICHERT 
NICHTS ZU, WEDER ZUR NUTZUNG DER SOFTWARE NOCH ZU DEN 
ERGEBNISSEN IHRER NUTZUNG, ETWA ZU RICHTIGKEIT, GENAUIGKEIT, 
ZUVERLÄSSIGKEIT ODER AKTUALITÄT. WEDER 
%1 NOCH DEREN HÄNDLER HAFTEN 
FÜR ENTGANGENEN GEWINN, NUTZUNGSAUSFALL ODER 
BETRIEBSUNTERBRECHUNG NOCH FÜR INDIREKTE, ZUFÄLLIGE, 
BESONDERE ODER FOLGESCHÄDEN GLEICH WELCHER ART.</translation>
    </message>
    <message>
        <source>For information on other &quot;%1&quot; products:</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>Informationen zu weiteren Produkten von „%1“:</translation>
    </message>
    <message>
        <source>Write to: %1</source>
        <extracomment>%1 is the maker&apos;s name; the postal address follows.</extracomment>
        <translation>Schreiben Sie an: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <extracomment>%1 is the maker&apos;s e-mail address.</extracomment>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Warranty Information</source>
        <extracomment>The window&apos;s title and its heading (24 pt bold, 337 pixels).</extracomment>
        <translation>Gewährleistung</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the warranty window (73 pixels); it has no access key.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Done</source>
        <extracomment>The caption (about 35 pixels) and tooltip of the fractions window&apos;s button that closes it.</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Done/ Close</source>
        <translation>Fertig/Schließen</translation>
    </message>
    <message>
        <source>Fraction	Decimal	
1/8	.125
1/4	.250
1/3	.333
1/2	.500
2/3	.667
3/4	.750
1&quot;	1.00
</source>
        <extracomment>The fractions table, about 115 pixels wide: a heading line, then a fraction and its decimal on each line, split by a tab. Write the decimals as your language does, with a leading zero (0,125); the program puts in the decimal sign of the user&apos;s number format. 1&quot; is one whole.</extracomment>
        <translation>Bruch	Dezimal	
1/8	0,125
1/4	0,250
1/3	0,333
1/2	0,500
2/3	0,667
3/4	0,750
1	1,00
</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <extracomment>The fractions window&apos;s only menu title: closes the window.</extracomment>
        <translation>&amp;Ausblenden</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Please enter a number</source>
        <extracomment>The amount box was empty; it now shows 0.0.</extracomment>
        <translation>Bitte geben Sie eine Zahl ein</translation>
    </message>
    <message>
        <source>That is an invalid Character,You must enter a number</source>
        <extracomment>The amount was not a number; it now shows 0.0.</extracomment>
        <translation>Das ist ein ungültiges Zeichen, bitte geben Sie eine Zahl ein</translation>
    </message>
    <message>
        <source>Please Make a selection in the &apos;Select &amp; Enter here Combo box&apos; pull down menu</source>
        <extracomment>The unit box was empty. &apos;Select &amp; Enter here Combo box&apos; names the unit box; the &amp; is shown as it is, not an access key.</extracomment>
        <translation>Bitte wählen Sie in der Liste „Einheit hier wählen“ eine Einheit aus</translation>
    </message>
    <message>
        <source>That number is too large to convert</source>
        <extracomment>The amount converts to more than the largest number the program can hold.</extracomment>
        <translation>Diese Zahl ist zu groß zum Umrechnen</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Teaspoon</source>
        <extracomment>An item of the unit list, also what a user may type. A US teaspoon, 4.93 ml: the kitchen word of cookbooks (Teelöffel, cuillère à café). The eleven items must differ from each other and from the English name of every other unit.</extracomment>
        <translation>Teelöffel</translation>
    </message>
    <message>
        <source>Tablespoon</source>
        <extracomment>A unit list item: a US tablespoon, 14.8 ml (Esslöffel, cuillère à soupe).</extracomment>
        <translation>Esslöffel</translation>
    </message>
    <message>
        <source>Fluid Ounce</source>
        <extracomment>A unit list item: a US fluid ounce, 29.6 ml, a volume, not a weight.</extracomment>
        <translation>fl oz (US)</translation>
    </message>
    <message>
        <source>Cup</source>
        <extracomment>A unit list item: the US cup of 236.6 ml, not a metric cup of 250 ml nor a local one. Choose a name that cannot be mistaken for a local measure.</extracomment>
        <translation>US-Tasse</translation>
    </message>
    <message>
        <source>Pints</source>
        <extracomment>A unit list item: US liquid pints of 473 ml, not imperial pints of 568 ml.</extracomment>
        <translation>US-Pint</translation>
    </message>
    <message>
        <source>Quarts</source>
        <extracomment>A unit list item: US liquid quarts of 946 ml.</extracomment>
        <translation>US-Quart</translation>
    </message>
    <message>
        <source>Gallons</source>
        <extracomment>A unit list item: US gallons of 3.785 liters, not imperial gallons of 4.546 liters.</extracomment>
        <translation>US-Gallone</translation>
    </message>
    <message>
        <source>Milliliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Milliliter</translation>
    </message>
    <message>
        <source>Centiliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Zentiliter</translation>
    </message>
    <message>
        <source>Deciliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Deziliter</translation>
    </message>
    <message>
        <source>Liters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Liter</translation>
    </message>
    <message>
        <source>Teaspoons</source>
        <comment>result frame</comment>
        <extracomment>The caption of a result frame, about 80 pixels wide: the same US units as the list.</extracomment>
        <translation>Teelöffel</translation>
    </message>
    <message>
        <source>Tablespoons</source>
        <comment>result frame</comment>
        <translation>Esslöffel</translation>
    </message>
    <message>
        <source>Fluid Ounce</source>
        <comment>result frame</comment>
        <translation>fl oz (US)</translation>
    </message>
    <message>
        <source>Cups</source>
        <comment>result frame</comment>
        <translation>US-Tasse</translation>
    </message>
    <message>
        <source>Pints</source>
        <comment>result frame</comment>
        <translation>US-Pint</translation>
    </message>
    <message>
        <source>Quarts</source>
        <comment>result frame</comment>
        <translation>US-Quart</translation>
    </message>
    <message>
        <source>Gallons</source>
        <comment>result frame</comment>
        <translation>US-Gallone</translation>
    </message>
    <message>
        <source>Milliliters</source>
        <comment>result frame</comment>
        <translation>Milliliter</translation>
    </message>
    <message>
        <source>Centiliters</source>
        <comment>result frame</comment>
        <translation>Zentiliter</translation>
    </message>
    <message>
        <source>Deciliters</source>
        <comment>result frame</comment>
        <translation>Deziliter</translation>
    </message>
    <message>
        <source>Liters</source>
        <comment>result frame</comment>
        <translation>Liter</translation>
    </message>
    <message>
        <source>teaspoon</source>
        <extracomment>Written into the unit box when the user left it empty. It must name no unit, so that it converts nothing: the list&apos;s teaspoon in lower case, as in English, or the like.</extracomment>
        <translation>teelöffel</translation>
    </message>
</context>
<context>
    <name>toolkit</name>
    <message>
        <source>More</source>
        <extracomment>What a screen reader calls the button of a toolbar or menu bar that shows the entries that do not fit.</extracomment>
        <translation>Mehr</translation>
    </message>
</context>
</TS>
