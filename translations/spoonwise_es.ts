<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Prompts</name>
    <message>
        <source>Please enter a number</source>
        <extracomment>The amount box was empty; it now shows 0.0.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is an invalid Character,You must enter a number</source>
        <extracomment>The amount was not a number; it now shows 0.0.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Make a selection in the &apos;Select &amp; Enter here Combo box&apos; pull down menu</source>
        <extracomment>The unit box was empty. &apos;Select &amp; Enter here Combo box&apos; names the unit box; the &amp; is shown as it is, not an access key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That number is too large to convert</source>
        <extracomment>The amount converts to more than the largest number the program can hold.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Teaspoon</source>
        <extracomment>An item of the unit list, also what a user may type. A US teaspoon, 4.93 ml: the kitchen word of cookbooks (Teelöffel, cuillère à café). The eleven items must differ from each other and from the English name of every other unit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tablespoon</source>
        <extracomment>A unit list item: a US tablespoon, 14.8 ml (Esslöffel, cuillère à soupe).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fluid Ounce</source>
        <extracomment>A unit list item: a US fluid ounce, 29.6 ml, a volume, not a weight.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cup</source>
        <extracomment>A unit list item: the US cup of 236.6 ml, not a metric cup of 250 ml nor a local one. Choose a name that cannot be mistaken for a local measure.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pints</source>
        <extracomment>A unit list item: US liquid pints of 473 ml, not imperial pints of 568 ml.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarts</source>
        <extracomment>A unit list item: US liquid quarts of 946 ml.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gallons</source>
        <extracomment>A unit list item: US gallons of 3.785 liters, not imperial gallons of 4.546 liters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milliliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centiliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deciliters</source>
        <extracomment>A unit list item.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liters</source>
        <extracomment>A unit list item.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teaspoons</source>
        <comment>result frame</comment>
        <extracomment>The caption of a result frame, about 80 pixels wide: the same US units as the list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tablespoons</source>
        <comment>result frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fluid Ounce</source>
        <comment>result frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cups</source>
        <comment>result frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pints</source>
        <comment>result frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarts</source>
        <comment>result frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gallons</source>
        <comment>result frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milliliters</source>
        <comment>result frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centiliters</source>
        <comment>result frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deciliters</source>
        <comment>result frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liters</source>
        <comment>result frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>teaspoon</source>
        <extracomment>Written into the unit box when the user left it empty. It must name no unit, so that it converts nothing: the list&apos;s teaspoon in lower case, as in English, or the like.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
