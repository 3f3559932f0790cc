#include "HelpFiles.h"

#include "HelpPage.h"

std::string EnglishIntroHelpText()
{
    return HelpPage("en", "Qel 3D – introduction", R"(
<p>Qel 3D is a program for drawing with a turtle. The turtle walks on a big square page, and its
pen leaves a line behind it. You tell the turtle what to do, and it draws.</p>

<h2>How to steer the turtle</h2>
<p>On the left of the window there are six buttons. The slider next to a button says how far the
turtle walks or how much it turns. The number next to the slider shows what it is set to.</p>
<table>
<tr><td><b>Forward</b></td><td>the turtle walks forward as many steps as the slider shows (up to 100)</td></tr>
<tr><td><b>Back</b></td><td>the turtle walks back as many steps as the slider shows</td></tr>
<tr><td><b>Right</b></td><td>the turtle turns right as many degrees as the slider shows (up to 90)</td></tr>
<tr><td><b>Left</b></td><td>the turtle turns left</td></tr>
<tr><td><b>Circle</b></td><td>the turtle draws a circle around itself; the slider is the radius, and the
turtle stands in the middle</td></tr>
<tr><td><b>Square</b></td><td>the turtle draws a square; the slider is the length of a side</td></tr>
</table>
<p class="tip">While the turtle walks, wait a moment. The next button works when the turtle is done.
The <b>Esc</b> key stops the turtle at once: what it has drawn stays on the page.</p>

<h2>Pen and colors</h2>
<p>Under the buttons there is a strip of colors. Click a color, and the turtle draws with it.
If you hold the <b>Shift</b> key as you click, the color becomes the background color and the
page is cleared to it. Lower down there is a width strip: click how thick the line should be.</p>

<h2>Small buttons</h2>
<table>
<tr><td><b>Pen up/down</b></td><td>lifts the pen (the turtle walks without drawing) or puts it down</td></tr>
<tr><td><b>Fill</b></td><td>paints the place the turtle stands on in the pen color</td></tr>
<tr><td><b>Character</b> (the first)</td><td>hides or shows the turtle's character</td></tr>
<tr><td><b>Clear</b></td><td>clears the page; the turtle stays where it was</td></tr>
<tr><td><b>Home</b></td><td>the turtle goes back to the middle of the page and looks up</td></tr>
<tr><td><b>Character</b> (the second)</td><td>a window with characters to choose from</td></tr>
</table>

<h2>Keyboard</h2>
<p>You can do everything in the window without a mouse. The <b>Tab</b> key goes through the
buttons, sliders and strips in turn, from top to bottom; an orange frame shows where you are.
<b>Space</b> or <b>Enter</b> presses the button in the frame. On a slider the arrow keys change
the number, and on the color strip and the width strip they choose a color or a width;
<b>Shift</b> with Space on the color strip makes the chosen color the background color. When
the frame is not on a slider, these keys give commands straight away:</p>
<table>
<tr><td><b>up arrow</b></td><td>Forward</td></tr>
<tr><td><b>down arrow</b></td><td>Back</td></tr>
<tr><td><b>right arrow</b></td><td>Right</td></tr>
<tr><td><b>left arrow</b></td><td>Left</td></tr>
<tr><td><b>O, from the Polish Okrąg</b></td><td>Circle</td></tr>
<tr><td><b>K, from the Polish Kwadrat</b></td><td>Square</td></tr>
<tr><td><b>P, from the Polish Pisak</b></td><td>Pen up/down</td></tr>
<tr><td><b>W, from the Polish Wypełnij</b></td><td>Fill</td></tr>
<tr><td><b>C, from the Polish Czyść</b></td><td>Clear</td></tr>
<tr><td><b>Home</b></td><td>Home</td></tr>
<tr><td><b>F11</b></td><td>the turtle's field on the whole screen, with the turtle's place in the corner; the
keys work just as in the window; <b>F11</b> or <b>Esc</b> goes back to the window</td></tr>
<tr><td><b>V</b></td><td>Top view: the whole page from above, and back to the camera behind the turtle</td></tr>
<tr><td><b>F1</b></td><td>this help</td></tr>
<tr><td><b>F10</b></td><td>the menu</td></tr>
</table>
<p>You can make the window bigger or fill the whole screen with it: the turtle's field grows with it.</p>

<h2>Camera</h2>
<p>The left mouse button in the turtle's field turns the camera. The right mouse button moves it
away or closer. This way you can look at your drawing from every side. Double-click in the
turtle’s field to bring the camera back to where it started.</p>

<h2>Notebook pages</h2>
<p>The drawings are kept in a notebook with up to eight pages. Every page has its own drawing and
its own turtle. The four buttons under the color strip are <b>Add a page</b> (a new page after
this one, or before it with the <b>Shift</b> key), <b>Delete the page</b>, <b>Previous page</b>
and <b>Next page</b>. At the bottom of the window you can see the page number and the number of
pages, the turtle's place (X, Y) and its heading (H) in degrees.</p>

<h2>Menu</h2>
<table>
<tr><td><b>Notebook</b></td><td><b>New</b> (Ctrl+N) starts an empty notebook. <b>Open…</b> (Ctrl+O)
shows the saved notebooks with a picture of their first page: double-click a notebook, or click it
and then <b>OK</b>. <b>Save</b> (Ctrl+S) saves the notebook, and <b>Save as…</b> (Ctrl+Shift+S)
saves it under a new name. <b>Print…</b> (Ctrl+P) prints all the pages, each on its own sheet of
paper. <b>Save page as picture…</b> (Ctrl+E) saves the page you see as a PNG picture, four
times bigger, in your pictures folder, to send or show to others. In the save window you can also
choose the exact page, 256 × 256 dots.
<b>Save the drawing animation…</b> (Ctrl+Shift+E) saves a GIF animation in your pictures folder,
where the turtle draws the page once more, the way it was made, also to show to others.
<b>Exit</b> (Ctrl+Q) closes the program; if the drawings have changed, the program asks whether to
keep them.</td></tr>
<tr><td><b>Edit</b></td><td><b>Undo</b> (Ctrl+Z) takes back the last move, fill, clear or other change
of the drawing; <b>Redo</b> (Ctrl+Y or Ctrl+Shift+Z) brings back what you took back.
<b>Copy picture</b> copies the same picture to the clipboard, so you can paste it in another program.
<b>Replay the page</b> (F5) clears the page, and the turtle draws it once more, step by step, the
way it was made; <b>Esc</b> brings back the finished drawing at once. <b>How the drawing was
made</b> shows these steps in words, and the <b>Copy as text</b> button copies the list to the
clipboard. <b>Set background…</b> lays a picture from a BMP or PNG file on the page.</td></tr>
<tr><td><b>Options</b></td><td><b>Pen</b> – the pen's color, width and mode.
<b>Turtle</b> – the turtle's place and heading, typed in as numbers. <b>Turtle speed</b> – how fast
the turtle walks: <b>Slow</b>, <b>Normal</b>, <b>Fast</b> or <b>Lightning</b>, when the drawing
should be ready at once; the program remembers your choice. <b>Screen</b> – the background color.
<b>Top view</b> (V) shows the whole page from above, north up; once more and the camera goes back
behind the turtle. <b>Smooth edges</b> – while the turtle rests, lines in a big view are smooth,
without stair steps; so are saved, copied and printed pictures. The program remembers your choice.
<b>Display</b> is switched off in this version. <b>Language</b> – Polski or
English; the program changes at once and remembers it.</td></tr>
<tr><td><b>Help</b></td><td><b>Introduction</b> opens this help, <b>Lessons</b> – the example lessons,
and <b>About</b> tells you what this program is.</td></tr>
</table>

<h2>Where the notebooks are saved</h2>
<p>The notebooks are in your documents folder, in the folder <b>Qel 3D/KARTKI</b>. Every page is an
ordinary picture there (for example HOUSE1.bmp, HOUSE2.bmp for the notebook HOUSE), which you can
open in any drawing program.</p>

<h2>Tool bar</h2>
<p>The <b>Help</b> button opens this help, the <b>Lessons</b> button – the example lessons,
and <b>Exit</b> closes the program. The next three buttons, <b>Undo</b>, <b>Redo</b> and
<b>Replay the page</b>, work just like in the <b>Edit</b> menu. The last button, with a dial,
chooses the turtle's speed. While a page is replayed, the <b>Replay the page</b> button becomes the
<b>Stop</b> button. Closing the window while the turtle walks first stops it, just like the
<b>Esc</b> key; the lines already drawn stay.</p>
<p>If the program stops suddenly before the drawings are saved, it asks the next time it starts
whether to bring them back.</p>

<h2>My commands</h2>
<p><b>Teach the turtle</b> (Edit, key N) starts a lesson for the turtle: show the turtle some
commands, click <b>Done</b>, give them a name and choose a picture, and the new command appears in
the <b>My commands</b> row under the panel. The <b>how many times</b> slider next to its button says
how many times the turtle does it (the keys 1–6 run the commands of the row), and the right mouse
button lets you rename it, show its commands or forget it. The <b>Edit</b> menu does the same for the
command you used last or that has the keyboard: <b>Rename</b>, <b>Show the commands</b> and
<b>Forget</b>.</p>

<h2>The turtle's program</h2>
<p><b>Turtle program</b> (Edit, keys <b>Ctrl+T</b>) opens the page's program beside the turtle's field:
everything the turtle drew, written in words, one step a line. Every click adds its line, and
<b>Undo</b> takes it away. You can write and change lines yourself too. <b>Run</b> (<b>F9</b>) draws
the page again from its start by the program and marks the line the turtle is doing; <b>Step</b>
(<b>F8</b>) does the next step and waits; <b>Esc</b> stops the turtle. When the program has a mistake,
nothing is drawn: the mistake is marked, and the bottom of the window says what to fix.
<b>Notebook → Open program…</b> and <b>Save program…</b> read and write the program as a text file (.txt).</p>
<table>
<tr><td><b>forward 50</b> (fd)</td><td>the turtle walks 50 steps forward (up to 1000)</td></tr>
<tr><td><b>back 50</b> (bk)</td><td>the turtle walks 50 steps back (up to 1000)</td></tr>
<tr><td><b>right 90</b> (rt)</td><td>the turtle turns right by 90 degrees (up to 36000)</td></tr>
<tr><td><b>left 90</b> (lt)</td><td>the turtle turns left by 90 degrees (up to 36000)</td></tr>
<tr><td><b>circle 30</b></td><td>a circle of radius 30 around the turtle (up to 127)</td></tr>
<tr><td><b>square 50</b></td><td>a square with sides of 50 (up to 254)</td></tr>
<tr><td><b>penup</b> (pu)</td><td>lifts the pen</td></tr>
<tr><td><b>pendown</b> (pd)</td><td>puts the pen down</td></tr>
<tr><td><b>color 4</b></td><td>the pen's color: the number of the color on the strip, 0 to 15</td></tr>
<tr><td><b>background 7</b></td><td>a new background color, 0 to 15; the page is cleared</td></tr>
<tr><td><b>width 2</b></td><td>the pen's width, 1 to 8</td></tr>
<tr><td><b>mode 0</b></td><td>the pen draws (0), erases (1) or inverts colors (2)</td></tr>
<tr><td><b>fill</b></td><td>paints the place the turtle stands on</td></tr>
<tr><td><b>clear</b></td><td>clears the page</td></tr>
<tr><td><b>home</b></td><td>the turtle goes back to the middle of the page</td></tr>
<tr><td><b>place 0 50 90</b></td><td>puts the turtle at X = 0, Y = 50, heading 90 (X and Y from −127 to 127)</td></tr>
<tr><td><b>repeat 4 [forward 50 right 90]</b></td><td>repeats what is in the brackets 4 times (up to 10000);
brackets may be inside brackets, at most 8 deep</td></tr>
<tr><td><b>to Side forward 50 right 90 end</b></td><td>teaches the turtle the command <b>Side</b>; the command
appears in the <b>My commands</b> row</td></tr>
<tr><td><b>Side</b>, <b>Side 3</b></td><td>does the command <b>Side</b> once or 3 times (up to 36)</td></tr>
</table>
<p>The turtle understands the Polish words too (<b>naprzód</b>, <b>wstecz</b>, <b>prawo</b>, <b>lewo</b>,
<b>powtórz</b>, <b>oto … już</b> …) and Polish school Logo's short forms <b>np</b>, <b>ws</b>, <b>pw</b>,
<b>lw</b>, <b>pod</b>, <b>opu</b>. Text after a semicolon <b>;</b> is a note the turtle does not read. The
turtle stops at the edge of the page.</p>
)");
}

std::string EnglishTutorHelpText()
{
    return HelpPage("en", "Qel 3D – Lessons", R"(
<p>Here are some lessons. Do what they say, one step after another. First set the slider to the
number given, then click the button. At the start of every lesson click <b>Clear</b> and
<b>Home</b>.</p>

<h2>Lesson 1. The first line</h2>
<ol>
<li>Set the slider next to <b>Forward</b> to 100 and click <b>Forward</b>. The turtle draws a line up.</li>
<li>Click <b>Right</b> with the slider at 90, and then <b>Forward</b> again. That is a right angle.</li>
</ol>

<h2>Lesson 2. A square, step by step</h2>
<ol>
<li>Set <b>Forward</b> to 50 and <b>Right</b> to 90.</li>
<li>Click four times: <b>Forward</b>, <b>Right</b>. The turtle is back where it started!</li>
<li>One button does the same: set <b>Square</b> to 50 and click it.</li>
</ol>

<h2>Lesson 3. A house</h2>
<ol>
<li><b>Square</b> 50 – these are the walls of the house.</li>
<li>The roof: <b>Forward</b> 50, <b>Right</b> 30, <b>Forward</b> 50,
<b>Right</b> 90 and once more <b>Right</b> 30, <b>Forward</b> 50.</li>
<li>The door: click <b>Home</b> and lift the pen (<b>Pen up/down</b>).
<b>Right</b> 90, <b>Forward</b> 20, <b>Left</b> 90, put the pen down and click <b>Square</b> 15.</li>
<li>The color of the walls: lift the pen, <b>Forward</b> 30, choose a color and click <b>Fill</b>.</li>
</ol>
<p class="tip">The roof has three equal sides, so the turtle turns by 30 degrees first and then by 120.</p>

<h2>Lesson 4. A flower of circles</h2>
<ol>
<li>Lift the pen. A circle is always drawn, and the turtle leaves no other lines.</li>
<li>A petal: <b>Forward</b> 25, <b>Circle</b> 15, <b>Back</b> 25, <b>Right</b> 60.</li>
<li>Do the petal six times – the petals go all around.</li>
<li>The middle: <b>Circle</b> 10. Click yellow and <b>Fill</b>.</li>
<li>The stem: click <b>Right</b> 90 twice and <b>Forward</b> 40. Now choose green, put the pen down
and click <b>Forward</b> 50.</li>
</ol>

<h2>Lesson 5. We teach the turtle</h2>
<ol>
<li>Click <b>Teach the turtle</b> (key N). A bar saying “Teaching the turtle” appears over the turtle's field.</li>
<li>Show the turtle: <b>Forward</b> 50, <b>Right</b> 72. Click <b>Done</b> and call the command <b>Side</b>.</li>
<li>In the <b>My commands</b> row set the <b>how many times</b> slider next to <b>Side</b> to 5 and click
the button. That is a pentagon, and the turtle is back where it started!</li>
<li>Now teach the turtle the command <b>Petal</b>: <b>Forward</b> 25, <b>Circle</b> 15, <b>Back</b> 25,
<b>Right</b> 60. <b>Petal</b> 6 times draws a flower.</li>
</ol>

<h2>Lesson 6. We write a program</h2>
<ol>
<li>Open <b>Program</b> (keys <b>Ctrl+T</b>). Click <b>Clear</b>, then draw a square by hand: four times
<b>Forward</b> 50 and <b>Right</b> 90. The program has eight lines: <b>forward 50</b>, <b>right 90</b>…</li>
<li>The same square in words: delete the lines and write them yourself, one under the other. Press
<b>F9</b>. The turtle draws the page again from its start by your program. <b>F8</b> does one step at a time.</li>
<li>Shorter: <b>repeat 4 [forward 50 right 90]</b> and <b>F9</b>. The turtle is back where it started.</li>
<li>Give the side a name: write <b>to Side forward 50 right 90 end</b>, and under it <b>repeat 4 [Side]</b>.
After <b>F9</b> the command <b>Side</b> is in the <b>My commands</b> row too.</li>
<li>Change 4 to 5 and 90 to 72 in the program – what does the turtle draw?</li>
</ol>

<h2>Lesson 7. Your turn</h2>
<p>Draw a snowman of three circles, or a street full of houses. Change the colors and the pen's
width. Look at your drawing from the side with the camera!</p>
)");
}
