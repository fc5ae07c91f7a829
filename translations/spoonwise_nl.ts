<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Form0</name>
    <message>
        <source>ABOUT</source>
        <extracomment>The about window&apos;s heading, in capitals, 18 pt bold serif in a box of 121 pixels.</extracomment>
        <translation>OVER</translation>
    </message>
    <message>
        <source>Programmer</source>
        <extracomment>The tooltip and screen reader name of the writer&apos;s photograph.</extracomment>
        <translation>Programmeur</translation>
    </message>
    <message>
        <source>Written By: Brindlemoor</source>
        <extracomment>The writer&apos;s name stays; 153 pixels at most.</extracomment>
        <translation>Auteur: Brindlemoor</translation>
    </message>
    <message>
        <source>Information</source>
        <extracomment>What a screen reader calls the information sign.</extracomment>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button that closes the about window (73 pixels), and its tooltip.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Done with this screen</source>
        <translation>Dit venster sluiten</translation>
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
        <translation>Infovenster</translation>
    </message>
    <message>
        <source>Formulas</source>
        <extracomment>A toolbar caption and its tooltip (about 50 pixels): the window of conversion rules of thumb.</extracomment>
        <translation>Formules</translation>
    </message>
    <message>
        <source>Calculator</source>
        <extracomment>A toolbar caption and tooltip (about 50 pixels): starts the desktop&apos;s calculator.</extracomment>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Fractions</source>
        <extracomment>A toolbar caption (about 50 pixels); its tooltip says Decimals: the fractions table.</extracomment>
        <translation>Breuken</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Decimalen</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A toolbar caption (about 50 pixels) and its tooltip: shows how to use the program.</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>How To?</source>
        <translation>Hoe werkt het?</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A toolbar caption (about 50 pixels) and its tooltip: ends the program.</extracomment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programma afsluiten</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <extracomment>The button that converts (about 120 pixels, large bold face); Alt plus the &amp; letter.</extracomment>
        <translation>Be&amp;rekenen</translation>
    </message>
    <message>
        <source>Click here to calculate your Conversions.</source>
        <extracomment>The tooltip of the Calculate button.</extracomment>
        <translation>Klik hier om uw omrekeningen te berekenen.</translation>
    </message>
    <message>
        <source>   Enter Number Here</source>
        <extracomment>The label over the amount box, about 125 pixels; the how-to message names it.</extracomment>
        <translation>   Voer hier het getal in</translation>
    </message>
    <message>
        <source>Enter the Ammount you want converted here.</source>
        <extracomment>The tooltip of the amount box.</extracomment>
        <translation>Voer hier de hoeveelheid in die u wilt omrekenen.</translation>
    </message>
    <message>
        <source>Make Selection Here</source>
        <extracomment>The label over the unit box, about 120 pixels; the how-to message names it.</extracomment>
        <translation>Kies hier de eenheid</translation>
    </message>
    <message>
        <source>Click Here to Select Measurement to Convert.</source>
        <extracomment>The tooltip of the unit box.</extracomment>
        <translation>Klik hier om de eenheid te kiezen die u wilt omrekenen.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>File menu items; each &amp; letter unique within the menu. The Ctrl shortcuts stay.</extracomment>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Exit Program</source>
        <translation>Programma af&amp;sluiten</translation>
    </message>
    <message>
        <source>&amp;Formulas</source>
        <extracomment>Tools menu items; each &amp; letter unique within the menu.</extracomment>
        <translation>&amp;Formules</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>&amp;Breuken</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Rekenmachine</translation>
    </message>
    <message>
        <source>&amp;Warranty</source>
        <extracomment>The only item of the Legal menu.</extracomment>
        <translation>&amp;Garantie</translation>
    </message>
    <message>
        <source>&amp;How To</source>
        <extracomment>The only item of the Help menu: shows how to use the program.</extracomment>
        <translation>&amp;Hoe werkt het?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu titles: the four must fit one row of 417 pixels, with &amp; letters unique among them and different from the &amp; letter of the Calculate button.</extracomment>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>&amp;Legal</source>
        <translation>&amp;Juridisch</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>I hate 4-letter Words, Cook, Iron, Wash, and Dust</source>
        <extracomment>The joke the maker&apos;s label shows when clicked: chores that are four-letter words in English.</extracomment>
        <translation>Ik haat vieze woorden: koken, strijken, wassen en afstoffen</translation>
    </message>
    <message>
        <source>The calculator could not be started</source>
        <translation>De rekenmachine kon niet worden gestart</translation>
    </message>
    <message>
        <source>To use this program simply Enter a number in the &apos;Enter Number Here&apos; text box and make a selection in the &apos;Make Selection Here&apos; text Box. Then Click the Calculate Button to see the results in the surrounding Windows</source>
        <extracomment>The how-to message. Name the amount box, the unit box and the button as their labels and caption read in your language.</extracomment>
        <translation>Voer een getal in bij ‘Voer hier het getal in’ en kies een eenheid bij ‘Kies hier de eenheid’. Klik daarna op de knop ‘Berekenen’ om de resultaten in de vakken eromheen te zien</translation>
    </message>
    <message>
        <source>Converter</source>
        <extracomment>What a screen reader calls the area of the result boxes, the amount and the Calculate button.</extracomment>
        <translation>Omrekenaar</translation>
    </message>
    <message>
        <source>Amount and unit</source>
        <extracomment>What a screen reader calls the frame around the amount box and the unit box.</extracomment>
        <translation>Hoeveelheid en eenheid</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>measure</source>
        <extracomment>The heading line of the volume list.</extracomment>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>1ml slightly less than 1/4 teaspoon</source>
        <translation>1 ml iets minder dan 1/4 tl</translation>
    </message>
    <message>
        <source>2ml slighely less than 1/2 teaspoon</source>
        <translation>2 ml iets minder dan 1/2 tl</translation>
    </message>
    <message>
        <source>5ml 1 teaspoon</source>
        <translation>5 ml 1 tl</translation>
    </message>
    <message>
        <source>15ml 1 tablespoon</source>
        <translation>15 ml 1 el</translation>
    </message>
    <message>
        <source>25ml 1 tablespoon plus 2 teaspoons</source>
        <translation>25 ml 1 el plus 2 tl</translation>
    </message>
    <message>
        <source>50ml 1/4 cup minus 2 teaspoons</source>
        <translation>50 ml 1/4 US-cup min 2 tl</translation>
    </message>
    <message>
        <source>125ml 1/2 cup plus 1 1/2 teaspoons</source>
        <translation>125 ml 1/2 US-cup plus 1 1/2 tl</translation>
    </message>
    <message>
        <source>250ml 1 cup plus 1 tablespoon</source>
        <translation>250 ml 1 US-cup plus 1 el</translation>
    </message>
    <message>
        <source>500ml 1 pint plus 2 tablespoons</source>
        <translation>500 ml 1 US-pint plus 2 el</translation>
    </message>
    <message>
        <source>1 l (1000ml) 1 quart plus 1/4 cup</source>
        <translation>1 l 1 US-quart plus 1/4 US-cup</translation>
    </message>
    <message>
        <source>weight</source>
        <extracomment>The heading line of the weight list; ounces and pounds here are US weights.</extracomment>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>30g 1 ounce plus a large pinch</source>
        <translation>30 g 1 oz plus een flinke snuf</translation>
    </message>
    <message>
        <source>125g 1/4 pound plus 1/4 ounce</source>
        <translation>125 g 1/4 lb plus 1/4 oz</translation>
    </message>
    <message>
        <source>250g 1/2 pound plus less than an ounce</source>
        <translation>250 g 1/2 lb plus iets minder dan 1 oz</translation>
    </message>
    <message>
        <source>500g 1 pound plus 1 2/3 ounces</source>
        <translation>500 g 1 lb plus 1 2/3 oz</translation>
    </message>
    <message>
        <source>1kg 2 pounds plus about 3 1/2 ounces</source>
        <translation>1 kg 2 lb plus ongeveer 3 1/2 oz</translation>
    </message>
    <message>
        <source>Conversion</source>
        <extracomment>The banner&apos;s first line, in a large condensed face, 225 pixels at most.</extracomment>
        <translation>Formules voor</translation>
    </message>
    <message>
        <source>Formulas</source>
        <extracomment>The banner&apos;s second line, in a large condensed face, 225 pixels at most.</extracomment>
        <translation>het omrekenen</translation>
    </message>
    <message>
        <source>Multiplication sign</source>
        <extracomment>What a screen reader calls the picture of a multiplication sign.</extracomment>
        <translation>Vermenigvuldigingsteken</translation>
    </message>
    <message>
        <source>Division sign</source>
        <extracomment>What a screen reader calls the picture of a division sign.</extracomment>
        <translation>Deelteken</translation>
    </message>
    <message>
        <source>Other Formulas</source>
        <extracomment>The caption of the frame around both lists.</extracomment>
        <translation>Overige formules</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <extracomment>The button that closes the window (81 pixels, bold), and its tooltip.</extracomment>
        <translation>&amp;Klaar</translation>
    </message>
    <message>
        <source>Click to close this screen.</source>
        <translation>Klik om dit venster te sluiten.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>%1 logo</source>
        <extracomment>What a screen reader calls the maker&apos;s logo; %1 is the maker&apos;s name.</extracomment>
        <translation>Logo van %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button (65 pixels, bold) that leads into the converter, and its tooltip.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click to goto %1</source>
        <extracomment>The OK button&apos;s tooltip; %1 is the program&apos;s name, kept as it is.</extracomment>
        <translation>Klik om %1 te openen</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>DISCLAIMER:This software is provided &quot;AS IS&quot; without warranty of any kind.</source>
        <extracomment>The warranty text&apos;s first line.</extracomment>
        <translation>DISCLAIMER: deze software wordt „ZOALS ZE IS” geleverd, zonder garantie.</translation>
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
        <translation>BEPERKING VAN AANSPRAKELIJKHEID: %1 GEEFT 
GEEN ENKELE GARANTIE, UITDRUKKELIJK OF STILZWIJGEND, MET 
INBEGRIP VAN GARANTIES VAN VERKOOPBAARHEID OF GESCHIKTHEID 
VOOR EEN BEPAALD DOEL. 
%1 GARANDEERT NIETS EN DOET GEEN 
TOEZEGGINGEN OVER HET GEBRUIK VAN DE SOFTWARE OF DE 
RESULTATEN ERVAN WAT BETREFT JUISTHEID, NAUWKEURIGHEID, 
BETROUWBAARHEID, ACTUALITEIT OF ANDERSZINS. NOCH 
%1 NOCH ZIJN LEVERANCIERS ZIJN 
AANSPRAKELIJK VOOR WINSTDERVING, GEBRUIKSDERVING OF 
BEDRIJFSONDERBREKING, NOCH VOOR INDIRECTE, BIJZONDERE, 
INCIDENTELE OF GEVOLGSCHADE VAN WELKE AARD DAN OOK.</translation>
    </message>
    <message>
        <source>For information on other &quot;%1&quot; products:</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>Voor informatie over andere producten van ‘%1’:</translation>
    </message>
    <message>
        <source>Write to: %1</source>
        <extracomment>%1 is the maker&apos;s name; the postal address follows.</extracomment>
        <translation>Schrijf naar: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <extracomment>%1 is the maker&apos;s e-mail address.</extracomment>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Warranty Information</source>
        <extracomment>The window&apos;s title and its heading (24 pt bold, 337 pixels).</extracomment>
        <translation>Garantie-informatie</translation>
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
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Done/ Close</source>
        <translation>Klaar/Sluiten</translation>
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
        <translation>Breuk	Decim.	
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
        <translation>&amp;Verbergen</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Please enter a number</source>
        <extracomment>The amount box was empty; it now shows 0.0.</extracomment>
        <translation>Voer een getal in</translation>
    </message>
    <message>
        <source>That is an invalid Character,You must enter a number</source>
        <extracomment>The amount was not a number; it now shows 0.0.</extracomment>
        <translation>Dat is een ongeldig teken, u moet een getal invoeren</translation>
    </message>
    <message>
        <source>Please Make a selection in the &apos;Select &amp; Enter here Combo box&apos; pull down menu</source>
        <extracomment>The unit box was empty. &apos;Select &amp; Enter here Combo box&apos; names the unit box; the &amp; is shown as it is, not an access key.</extracomment>
        <translation>Kies een eenheid in de keuzelijst ‘Kies hier de eenheid’</translation>
    </message>
    <message>
        <source>That number is too large to convert</source>
        <extracomment>The amount converts to more than the largest number the program can hold.</extracomment>
        <translation>Dat getal is te groot om om te rekenen</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Teaspoon</source>
        <extracomment>An item of the unit list, also what a user may type. A US teaspoon, 4.93 ml: the kitchen word of cookbooks (Teelöffel, cuillère à café). The eleven items must differ from each other and from the English name of every other unit.</extracomment>
        <translation>Theelepel</translation>
    </message>
    <message>
        <source>Tablespoon</source>
        <extracomment>A unit list item: a US tablespoon, 14.8 ml (Esslöffel, cuillère à soupe).</extracomment>
        <translation>Eetlepel</translation>
    </message>
    <message>
        <source>Fluid Ounce</source>
        <extracomment>A unit list item: a US fluid ounce, 29.6 ml, a volume, not a weight.</extracomment>
        <translation>US-fl oz</translation>
    </message>
    <message>
        <source>Cup</source>
        <extracomment>A unit list item: the US cup of 236.6 ml, not a metric cup of 250 ml nor a local one. Choose a name that cannot be mistaken for a local measure.</extracomment>
        <translation>US-cup</translation>
    </message>
    <message>
        <source>Pints</source>
        <extracomment>A unit list item: US liquid pints of 473 ml, not imperial pints of 568 ml.</extracomment>
        <translation>US-pints</translation>
    </message>
    <message>
        <source>Quarts</source>
        <extracomment>A unit list item: US liquid quarts of 946 ml.</extracomment>
        <translation>US-quarts</translation>
    </message>
    <message>
        <source>Gallons</source>
        <extracomment>A unit list item: US gallons of 3.785 liters, not imperial gallons of 4.546 liters.</extracomment>
        <translation>US-gallons</translation>
    </message>
    <message>
        <source>Milliliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Milliliter</translation>
    </message>
    <message>
        <source>Centiliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Centiliter</translation>
    </message>
    <message>
        <source>Deciliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Deciliter</translation>
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
        <translation>Theelepels</translation>
    </message>
    <message>
        <source>Tablespoons</source>
        <comment>result frame</comment>
        <translation>Eetlepels</translation>
    </message>
    <message>
        <source>Fluid Ounce</source>
        <comment>result frame</comment>
        <translation>US-fl oz</translation>
    </message>
    <message>
        <source>Cups</source>
        <comment>result frame</comment>
        <translation>US-cups</translation>
    </message>
    <message>
        <source>Pints</source>
        <comment>result frame</comment>
        <translation>US-pints</translation>
    </message>
    <message>
        <source>Quarts</source>
        <comment>result frame</comment>
        <translation>US-quarts</translation>
    </message>
    <message>
        <source>Gallons</source>
        <comment>result frame</comment>
        <translation>US-gallons</translation>
    </message>
    <message>
        <source>Milliliters</source>
        <comment>result frame</comment>
        <translation>Milliliter</translation>
    </message>
    <message>
        <source>Centiliters</source>
        <comment>result frame</comment>
        <translation>Centiliter</translation>
    </message>
    <message>
        <source>Deciliters</source>
        <comment>result frame</comment>
        <translation>Deciliter</translation>
    </message>
    <message>
        <source>Liters</source>
        <comment>result frame</comment>
        <translation>Liter</translation>
    </message>
    <message>
        <source>teaspoon</source>
        <extracomment>Written into the unit box when the user left it empty. It must name no unit, so that it converts nothing: the list&apos;s teaspoon in lower case, as in English, or the like.</extracomment>
        <translation>theelepel</translation>
    </message>
</context>
<context>
    <name>toolkit</name>
    <message>
        <source>More</source>
        <extracomment>What a screen reader calls the button of a toolbar or menu bar that shows the entries that do not fit.</extracomment>
        <translation>Meer</translation>
    </message>
</context>
</TS>
