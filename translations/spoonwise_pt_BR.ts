<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form0</name>
    <message>
        <source>ABOUT</source>
        <extracomment>The about window&apos;s heading, in capitals, 18 pt bold serif in a box of 121 pixels.</extracomment>
        <translation>SOBRE</translation>
    </message>
    <message>
        <source>Programmer</source>
        <extracomment>The tooltip and screen reader name of the writer&apos;s photograph.</extracomment>
        <translation>Programador</translation>
    </message>
    <message>
        <source>Written By: Brindlemoor</source>
        <extracomment>The writer&apos;s name stays; 153 pixels at most.</extracomment>
        <translation>Escrito por: Brindlemoor</translation>
    </message>
    <message>
        <source>Information</source>
        <extracomment>What a screen reader calls the information sign.</extracomment>
        <translation>Informação</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button that closes the about window (73 pixels), and its tooltip.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Done with this screen</source>
        <translation>Fechar esta janela</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>About</source>
        <extracomment>A toolbar caption under its picture, at most about 50 pixels wide. Opens the about window.</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>About Screen</source>
        <translation>Janela Sobre</translation>
    </message>
    <message>
        <source>Formulas</source>
        <extracomment>A toolbar caption and its tooltip (about 50 pixels): the window of conversion rules of thumb.</extracomment>
        <translation>Fórmulas</translation>
    </message>
    <message>
        <source>Calculator</source>
        <extracomment>A toolbar caption and tooltip (about 50 pixels): starts the desktop&apos;s calculator.</extracomment>
        <translation>Calc.</translation>
    </message>
    <message>
        <source>Fractions</source>
        <extracomment>A toolbar caption (about 50 pixels); its tooltip says Decimals: the fractions table.</extracomment>
        <translation>Frações</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Decimais</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A toolbar caption (about 50 pixels) and its tooltip: shows how to use the program.</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>How To?</source>
        <translation>Como usar?</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A toolbar caption (about 50 pixels) and its tooltip: ends the program.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <extracomment>The button that converts (about 120 pixels, large bold face); Alt plus the &amp; letter.</extracomment>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Click here to calculate your Conversions.</source>
        <extracomment>The tooltip of the Calculate button.</extracomment>
        <translation>Clique aqui para calcular suas conversões.</translation>
    </message>
    <message>
        <source>   Enter Number Here</source>
        <extracomment>The label over the amount box, about 125 pixels; the how-to message names it.</extracomment>
        <translation>   Digite o número aqui</translation>
    </message>
    <message>
        <source>Enter the Ammount you want converted here.</source>
        <extracomment>The tooltip of the amount box.</extracomment>
        <translation>Digite aqui a quantidade que deseja converter.</translation>
    </message>
    <message>
        <source>Make Selection Here</source>
        <extracomment>The label over the unit box, about 120 pixels; the how-to message names it.</extracomment>
        <translation>Escolha a unidade aqui</translation>
    </message>
    <message>
        <source>Click Here to Select Measurement to Convert.</source>
        <extracomment>The tooltip of the unit box.</extracomment>
        <translation>Clique aqui para escolher a unidade a converter.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>File menu items; each &amp; letter unique within the menu. The Ctrl shortcuts stay.</extracomment>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Exit Program</source>
        <translation>Sai&amp;r do programa</translation>
    </message>
    <message>
        <source>&amp;Formulas</source>
        <extracomment>Tools menu items; each &amp; letter unique within the menu.</extracomment>
        <translation>&amp;Fórmulas</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>F&amp;rações</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculadora</translation>
    </message>
    <message>
        <source>&amp;Warranty</source>
        <extracomment>The only item of the Legal menu.</extracomment>
        <translation>&amp;Garantia</translation>
    </message>
    <message>
        <source>&amp;How To</source>
        <extracomment>The only item of the Help menu: shows how to use the program.</extracomment>
        <translation>&amp;Como usar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu titles: the four must fit one row of 417 pixels, with &amp; letters unique among them and different from the &amp; letter of the Calculate button.</extracomment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Legal</source>
        <translation>&amp;Jurídico</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>I hate 4-letter Words, Cook, Iron, Wash, and Dust</source>
        <extracomment>The joke the maker&apos;s label shows when clicked: chores that are four-letter words in English.</extracomment>
        <translation>Odeio palavrões: cozinhar, passar roupa, lavar e tirar o pó</translation>
    </message>
    <message>
        <source>The calculator could not be started</source>
        <translation>Não foi possível abrir a calculadora</translation>
    </message>
    <message>
        <source>To use this program simply Enter a number in the &apos;Enter Number Here&apos; text box and make a selection in the &apos;Make Selection Here&apos; text Box. Then Click the Calculate Button to see the results in the surrounding Windows</source>
        <extracomment>The how-to message. Name the amount box, the unit box and the button as their labels and caption read in your language.</extracomment>
        <translation>Para usar este programa, digite um número na caixa “Digite o número aqui” e escolha uma unidade na lista “Escolha a unidade aqui”. Depois clique no botão “Calcular” para ver os resultados nas caixas ao redor</translation>
    </message>
    <message>
        <source>Converter</source>
        <extracomment>What a screen reader calls the area of the result boxes, the amount and the Calculate button.</extracomment>
        <translation>Conversor</translation>
    </message>
    <message>
        <source>Amount and unit</source>
        <extracomment>What a screen reader calls the frame around the amount box and the unit box.</extracomment>
        <translation>Quantidade e unidade</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>measure</source>
        <extracomment>The heading line of the volume list.</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <source>1ml slightly less than 1/4 teaspoon</source>
        <translation>1 ml pouco menos de 1/4 de c. chá</translation>
    </message>
    <message>
        <source>2ml slighely less than 1/2 teaspoon</source>
        <translation>2 ml pouco menos de 1/2 c. chá</translation>
    </message>
    <message>
        <source>5ml 1 teaspoon</source>
        <translation>5 ml 1 c. chá</translation>
    </message>
    <message>
        <source>15ml 1 tablespoon</source>
        <translation>15 ml 1 c. sopa</translation>
    </message>
    <message>
        <source>25ml 1 tablespoon plus 2 teaspoons</source>
        <translation>25 ml 1 c. sopa e 2 c. chá</translation>
    </message>
    <message>
        <source>50ml 1/4 cup minus 2 teaspoons</source>
        <translation>50 ml 1/4 xícara EUA menos 2 c. chá</translation>
    </message>
    <message>
        <source>125ml 1/2 cup plus 1 1/2 teaspoons</source>
        <translation>125 ml 1/2 xícara EUA e 1 1/2 c. chá</translation>
    </message>
    <message>
        <source>250ml 1 cup plus 1 tablespoon</source>
        <translation>250 ml 1 xícara EUA e 1 c. sopa</translation>
    </message>
    <message>
        <source>500ml 1 pint plus 2 tablespoons</source>
        <translation>500 ml 1 pint EUA e 2 c. sopa</translation>
    </message>
    <message>
        <source>1 l (1000ml) 1 quart plus 1/4 cup</source>
        <translation>1 l 1 quart EUA e 1/4 xícara EUA</translation>
    </message>
    <message>
        <source>weight</source>
        <extracomment>The heading line of the weight list; ounces and pounds here are US weights.</extracomment>
        <translation>Peso</translation>
    </message>
    <message>
        <source>30g 1 ounce plus a large pinch</source>
        <translation>30 g 1 oz e uma boa pitada</translation>
    </message>
    <message>
        <source>125g 1/4 pound plus 1/4 ounce</source>
        <translation>125 g 1/4 lb e 1/4 oz</translation>
    </message>
    <message>
        <source>250g 1/2 pound plus less than an ounce</source>
        <translation>250 g 1/2 lb e pouco menos de 1 oz</translation>
    </message>
    <message>
        <source>500g 1 pound plus 1 2/3 ounces</source>
        <translation>500 g 1 lb e 1 2/3 oz</translation>
    </message>
    <message>
        <source>1kg 2 pounds plus about 3 1/2 ounces</source>
        <translation>1 kg 2 lb e cerca de 3 1/2 oz</translation>
    </message>
    <message>
        <source>Conversion</source>
        <extracomment>The banner&apos;s first line, in a large condensed face, 225 pixels at most.</extracomment>
        <translation>Fórmulas de</translation>
    </message>
    <message>
        <source>Formulas</source>
        <extracomment>The banner&apos;s second line, in a large condensed face, 225 pixels at most.</extracomment>
        <translation>conversão</translation>
    </message>
    <message>
        <source>Multiplication sign</source>
        <extracomment>What a screen reader calls the picture of a multiplication sign.</extracomment>
        <translation>Sinal de multiplicação</translation>
    </message>
    <message>
        <source>Division sign</source>
        <extracomment>What a screen reader calls the picture of a division sign.</extracomment>
        <translation>Sinal de divisão</translation>
    </message>
    <message>
        <source>Other Formulas</source>
        <extracomment>The caption of the frame around both lists.</extracomment>
        <translation>Outras fórmulas</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <extracomment>The button that closes the window (81 pixels, bold), and its tooltip.</extracomment>
        <translation>&amp;Concluído</translation>
    </message>
    <message>
        <source>Click to close this screen.</source>
        <translation>Clique para fechar esta janela.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>%1 logo</source>
        <extracomment>What a screen reader calls the maker&apos;s logo; %1 is the maker&apos;s name.</extracomment>
        <translation>Logotipo de %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button (65 pixels, bold) that leads into the converter, and its tooltip.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click to goto %1</source>
        <extracomment>The OK button&apos;s tooltip; %1 is the program&apos;s name, kept as it is.</extracomment>
        <translation>Clique para abrir o %1</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>DISCLAIMER:This software is provided &quot;AS IS&quot; without warranty of any kind.</source>
        <extracomment>The warranty text&apos;s first line.</extracomment>
        <translation>AVISO: este software é fornecido “COMO ESTÁ”, sem garantia de nenhum tipo.</translation>
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
        <translation>LIMITAÇÃO DE RESPONSABILIDADE: %1 NÃO 
OFERECE GARANTIA DE NENHUM TIPO, EXPRESSA OU IMPLÍCITA, 
INCLUINDO QUALQUER GARANTIA DE COMERCIALIZAÇÃO OU DE 
ADEQUAÇÃO A UMA FINALIDADE ESPECÍFICA. 
%1 NÃO GARANTE NEM FAZ QUALQUER 
DECLARAÇÃO SOBRE O USO DO SOFTWARE OU OS RESULTADOS DE 
SEU USO QUANTO À SUA CORREÇÃO, EXATIDÃO, CONFIABILIDADE, 
ATUALIDADE OU OUTRO ASPECTO. NEM 
%1 NEM SEUS REVENDEDORES SERÃO 
RESPONSÁVEIS POR LUCROS CESSANTES, PERDA DE USO OU 
INTERRUPÇÃO DE NEGÓCIOS, NEM POR DANOS INDIRETOS, ESPECIAIS, 
INCIDENTAIS OU CONSEQUENCIAIS DE QUALQUER NATUREZA.</translation>
    </message>
    <message>
        <source>For information on other &quot;%1&quot; products:</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>Para informações sobre outros produtos “%1”:</translation>
    </message>
    <message>
        <source>Write to: %1</source>
        <extracomment>%1 is the maker&apos;s name; the postal address follows.</extracomment>
        <translation>Escreva para: %1</translation>
    </message>
    <message>
        <source>E-Mail: %1</source>
        <extracomment>%1 is the maker&apos;s e-mail address.</extracomment>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Warranty Information</source>
        <extracomment>The window&apos;s title and its heading (24 pt bold, 337 pixels).</extracomment>
        <translation>Garantia</translation>
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
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Done/ Close</source>
        <translation>Pronto/Fechar</translation>
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
        <translation>Fração	Decimal	
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
        <translation>&amp;Ocultar</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Please enter a number</source>
        <extracomment>The amount box was empty; it now shows 0.0.</extracomment>
        <translation>Digite um número</translation>
    </message>
    <message>
        <source>That is an invalid Character,You must enter a number</source>
        <extracomment>The amount was not a number; it now shows 0.0.</extracomment>
        <translation>Esse caractere é inválido, você deve digitar um número</translation>
    </message>
    <message>
        <source>Please Make a selection in the &apos;Select &amp; Enter here Combo box&apos; pull down menu</source>
        <extracomment>The unit box was empty. &apos;Select &amp; Enter here Combo box&apos; names the unit box; the &amp; is shown as it is, not an access key.</extracomment>
        <translation>Escolha uma unidade na lista suspensa “Escolha a unidade aqui”</translation>
    </message>
    <message>
        <source>That number is too large to convert</source>
        <extracomment>The amount converts to more than the largest number the program can hold.</extracomment>
        <translation>Esse número é grande demais para converter</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Teaspoon</source>
        <extracomment>An item of the unit list, also what a user may type. A US teaspoon, 4.93 ml: the kitchen word of cookbooks (Teelöffel, cuillère à café). The eleven items must differ from each other and from the English name of every other unit.</extracomment>
        <translation>Colher de chá</translation>
    </message>
    <message>
        <source>Tablespoon</source>
        <extracomment>A unit list item: a US tablespoon, 14.8 ml (Esslöffel, cuillère à soupe).</extracomment>
        <translation>Colher de sopa</translation>
    </message>
    <message>
        <source>Fluid Ounce</source>
        <extracomment>A unit list item: a US fluid ounce, 29.6 ml, a volume, not a weight.</extracomment>
        <translation>fl oz EUA</translation>
    </message>
    <message>
        <source>Cup</source>
        <extracomment>A unit list item: the US cup of 236.6 ml, not a metric cup of 250 ml nor a local one. Choose a name that cannot be mistaken for a local measure.</extracomment>
        <translation>Xícara EUA</translation>
    </message>
    <message>
        <source>Pints</source>
        <extracomment>A unit list item: US liquid pints of 473 ml, not imperial pints of 568 ml.</extracomment>
        <translation>Pint EUA</translation>
    </message>
    <message>
        <source>Quarts</source>
        <extracomment>A unit list item: US liquid quarts of 946 ml.</extracomment>
        <translation>Quart EUA</translation>
    </message>
    <message>
        <source>Gallons</source>
        <extracomment>A unit list item: US gallons of 3.785 liters, not imperial gallons of 4.546 liters.</extracomment>
        <translation>Galão EUA</translation>
    </message>
    <message>
        <source>Milliliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Mililitro</translation>
    </message>
    <message>
        <source>Centiliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Centilitro</translation>
    </message>
    <message>
        <source>Deciliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Decilitro</translation>
    </message>
    <message>
        <source>Liters</source>
        <extracomment>A unit list item.</extracomment>
        <translation>Litro</translation>
    </message>
    <message>
        <source>Teaspoons</source>
        <comment>result frame</comment>
        <extracomment>The caption of a result frame, about 80 pixels wide: the same US units as the list.</extracomment>
        <translation>Colh. (chá)</translation>
    </message>
    <message>
        <source>Tablespoons</source>
        <comment>result frame</comment>
        <translation>Colh. (sopa)</translation>
    </message>
    <message>
        <source>Fluid Ounce</source>
        <comment>result frame</comment>
        <translation>fl oz EUA</translation>
    </message>
    <message>
        <source>Cups</source>
        <comment>result frame</comment>
        <translation>Xícara EUA</translation>
    </message>
    <message>
        <source>Pints</source>
        <comment>result frame</comment>
        <translation>Pint EUA</translation>
    </message>
    <message>
        <source>Quarts</source>
        <comment>result frame</comment>
        <translation>Quart EUA</translation>
    </message>
    <message>
        <source>Gallons</source>
        <comment>result frame</comment>
        <translation>Galão EUA</translation>
    </message>
    <message>
        <source>Milliliters</source>
        <comment>result frame</comment>
        <translation>Mililitro</translation>
    </message>
    <message>
        <source>Centiliters</source>
        <comment>result frame</comment>
        <translation>Centilitro</translation>
    </message>
    <message>
        <source>Deciliters</source>
        <comment>result frame</comment>
        <translation>Decilitro</translation>
    </message>
    <message>
        <source>Liters</source>
        <comment>result frame</comment>
        <translation>Litro</translation>
    </message>
    <message>
        <source>teaspoon</source>
        <extracomment>Written into the unit box when the user left it empty. It must name no unit, so that it converts nothing: the list&apos;s teaspoon in lower case, as in English, or the like.</extracomment>
        <translation>colher de chá</translation>
    </message>
</context>
<context>
    <name>toolkit</name>
    <message>
        <source>More</source>
        <extracomment>What a screen reader calls the button of a toolbar or menu bar that shows the entries that do not fit.</extracomment>
        <translation>Mais</translation>
    </message>
</context>
</TS>
