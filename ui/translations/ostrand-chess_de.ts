<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>white pawn</source>
        <translation>weißer Bauer</translation>
    </message>
    <message>
        <source>black pawn</source>
        <translation>schwarzer Bauer</translation>
    </message>
    <message>
        <source>white knight</source>
        <translation>weißer Springer</translation>
    </message>
    <message>
        <source>black knight</source>
        <translation>schwarzer Springer</translation>
    </message>
    <message>
        <source>white bishop</source>
        <translation>weißer Läufer</translation>
    </message>
    <message>
        <source>black bishop</source>
        <translation>schwarzer Läufer</translation>
    </message>
    <message>
        <source>white rook</source>
        <translation>weißer Turm</translation>
    </message>
    <message>
        <source>black rook</source>
        <translation>schwarzer Turm</translation>
    </message>
    <message>
        <source>white queen</source>
        <translation>weiße Dame</translation>
    </message>
    <message>
        <source>black queen</source>
        <translation>schwarze Dame</translation>
    </message>
    <message>
        <source>white king</source>
        <translation>weißer König</translation>
    </message>
    <message>
        <source>black king</source>
        <translation>schwarzer König</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Chess board</source>
        <translation>Schachbrett</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>Züge der Partie</translation>
    </message>
    <message>
        <source>The game&apos;s moves in pairs, yours and the engine&apos;s</source>
        <translation>Die Züge der Partie paarweise, Ihre und die des Computers</translation>
    </message>
    <message>
        <source>How the game stands</source>
        <translation>Stand der Partie</translation>
    </message>
    <message>
        <source>%1%2, %3</source>
        <translation>%1%2, %3</translation>
    </message>
    <message>
        <source>Ostrand plays %1. %2</source>
        <translation>Ostrand zieht %1. %2</translation>
    </message>
    <message>
        <source>Click one of your pieces, then its square; or press / and type the move</source>
        <translation>Klicken Sie auf eine Ihrer Figuren, dann auf ihr Zielfeld; oder drücken Sie / und tippen Sie den Zug</translation>
    </message>
</context>
<context>
    <name>ChessClock</name>
    <message>
        <source>Your time left</source>
        <translation>Ihre verbleibende Zeit</translation>
    </message>
    <message>
        <source>The engine&apos;s time left</source>
        <translation>Die verbleibende Zeit des Computers</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Sie: %1</translation>
    </message>
    <message>
        <source>Ostrand: %1</source>
        <translation>Ostrand: %1</translation>
    </message>
</context>
<context>
    <name>ClipboardAndFiles</name>
    <message>
        <source>PGN games (*.pgn *.PGN);;All files (*)</source>
        <translation>PGN-Partien (*.pgn *.PGN);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open PGN</source>
        <translation>PGN öffnen</translation>
    </message>
    <message>
        <source>Save game as PGN</source>
        <translation>Partie als PGN speichern</translation>
    </message>
    <message>
        <source>The file holds several games. Which one shall be played?</source>
        <translation>Die Datei enthält mehrere Partien. Welche soll gespielt werden?</translation>
    </message>
    <message>
        <source>The board holds no chess position: %1.</source>
        <translation>Auf dem Brett steht keine Schachstellung: %1.</translation>
    </message>
    <message>
        <source>Copy position</source>
        <translation>Stellung kopieren</translation>
    </message>
    <message>
        <source>Position copied</source>
        <translation>Stellung kopiert</translation>
    </message>
    <message>
        <source>Copy game</source>
        <translation>Partie kopieren</translation>
    </message>
    <message>
        <source>Game copied</source>
        <translation>Partie kopiert</translation>
    </message>
    <message>
        <source>the pasted game</source>
        <translation>die eingefügte Partie</translation>
    </message>
    <message>
        <source>Set up position</source>
        <translation>Stellung aufbauen</translation>
    </message>
    <message>
        <source>“%1” is no chess position: %2.</source>
        <translation>„%1“ ist keine Schachstellung: %2.</translation>
    </message>
    <message>
        <source>%1, game %2</source>
        <translation>%1, Partie %2</translation>
    </message>
    <message>
        <source>Cannot play %1.

At %2.</source>
        <translation>%1 kann nicht gespielt werden.

Bei %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
</context>
<context>
    <name>F_Board</name>
    <message>
        <source>Nodes/Sec: </source>
        <translation>Knoten/s: </translation>
    </message>
    <message>
        <source>Nodes: </source>
        <translation>Knoten: </translation>
    </message>
    <message>
        <source>Best Value: </source>
        <translation>Bester Wert: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Zeit: </translation>
    </message>
    <message>
        <source>State: </source>
        <translation>Phase: </translation>
    </message>
    <message>
        <source>Engine progress:</source>
        <translation>Suchfortschritt:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Ostrand Chess by the Ostrand developers</source>
        <translation>Ostrand Chess von den Ostrand-Entwicklern</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>✎</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Zieh!</translation>
    </message>
    <message>
        <source>Start a new game; you choose your colour</source>
        <translation>Eine neue Partie beginnen; Sie wählen Ihre Farbe</translation>
    </message>
    <message>
        <source>Save the game, replacing the last save</source>
        <translation>Die Partie sichern, anstelle der zuletzt gesicherten</translation>
    </message>
    <message>
        <source>Go back to the game last saved</source>
        <translation>Zur zuletzt gesicherten Partie zurückkehren</translation>
    </message>
    <message>
        <source>Make the engine play a move for its side now</source>
        <translation>Den Computer jetzt für seine Seite ziehen lassen</translation>
    </message>
    <message>
        <source>Turn the board display upside down, or back</source>
        <translation>Das Brett umdrehen, oder wieder zurück</translation>
    </message>
    <message>
        <source>Set up a position: clicks on the board place the palette&apos;s piece</source>
        <translation>Eine Stellung aufbauen: Klicks auf das Brett setzen die Figur der Palette</translation>
    </message>
    <message>
        <source>Place the engine&apos;s pawn, then click squares</source>
        <translation>Einen Bauern des Computers setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place the engine&apos;s knight, then click squares</source>
        <translation>Einen Springer des Computers setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place the engine&apos;s bishop, then click squares</source>
        <translation>Einen Läufer des Computers setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place the engine&apos;s rook, then click squares</source>
        <translation>Einen Turm des Computers setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place the engine&apos;s queen, then click squares</source>
        <translation>Eine Dame des Computers setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place the engine&apos;s king, then click squares</source>
        <translation>Den König des Computers setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place your pawn, then click squares</source>
        <translation>Einen eigenen Bauern setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place your knight, then click squares</source>
        <translation>Einen eigenen Springer setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place your bishop, then click squares</source>
        <translation>Einen eigenen Läufer setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place your rook, then click squares</source>
        <translation>Einen eigenen Turm setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place your queen, then click squares</source>
        <translation>Eine eigene Dame setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Place your king, then click squares</source>
        <translation>Den eigenen König setzen, dann Felder anklicken</translation>
    </message>
    <message>
        <source>Eraser: empty the squares you click</source>
        <translation>Radierer: leert die angeklickten Felder</translation>
    </message>
    <message>
        <source>The engine&apos;s colour</source>
        <translation>Die Farbe des Computers</translation>
    </message>
    <message>
        <source>Your colour</source>
        <translation>Ihre Farbe</translation>
    </message>
    <message>
        <source>Open the project&apos;s web page</source>
        <translation>Die Webseite des Projekts öffnen</translation>
    </message>
    <message>
        <source>What the engine&apos;s search has done for its last move</source>
        <translation>Was die Suche des Computers für seinen letzten Zug geleistet hat</translation>
    </message>
    <message>
        <source>Positions the engine has looked at for its move</source>
        <translation>Stellungen, die der Computer für seinen Zug betrachtet hat</translation>
    </message>
    <message>
        <source>The best score found so far, in hundredths of a pawn for the engine</source>
        <translation>Die bisher beste Bewertung, in Hundertstel Bauern aus Sicht des Computers</translation>
    </message>
    <message>
        <source>Seconds the engine has been thinking</source>
        <translation>Sekunden, die der Computer nachgedacht hat</translation>
    </message>
    <message>
        <source>Positions looked at per second</source>
        <translation>Betrachtete Stellungen pro Sekunde</translation>
    </message>
    <message>
        <source>Game stage (1 opening to 4 endgame); after the move, the engine&apos;s score of the position</source>
        <translation>Partiephase (1 Eröffnung bis 4 Endspiel); nach dem Zug die Bewertung der Stellung durch den Computer</translation>
    </message>
    <message>
        <source>How far the engine&apos;s deeper searches have come</source>
        <translation>Wie weit die tieferen Suchen des Computers gekommen sind</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neue Partie</translation>
    </message>
    <message>
        <source>Would you like to play whites?</source>
        <translation>Möchten Sie mit Weiß spielen?</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Rook</source>
        <translation>Turm</translation>
    </message>
    <message>
        <source>Bishop</source>
        <translation>Läufer</translation>
    </message>
    <message>
        <source>Knight</source>
        <translation>Springer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder jeder späteren Version.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Moving:&lt;/b&gt; click one of your pieces (it is framed in red), then the square it goes to. The engine answers at once and its move is framed in blue. Castle by moving the king two squares. A refused move is explained in the status line.</source>
        <translation>&lt;b&gt;Ziehen:&lt;/b&gt; Klicken Sie auf eine Ihrer Figuren (sie wird rot umrahmt), dann auf das Zielfeld. Der Computer antwortet sofort, sein Zug wird blau umrahmt. Zum Rochieren ziehen Sie den König zwei Felder weit. Warum ein Zug abgelehnt wurde, steht in der Statuszeile.</translation>
    </message>
    <message>
        <source>&lt;b&gt;New&lt;/b&gt; starts a game and asks for your colour; &lt;b&gt;Save&lt;/b&gt; and &lt;b&gt;Load&lt;/b&gt; keep one game. &lt;b&gt;Force&lt;/b&gt; makes the engine move for its side now, and &lt;b&gt;&amp;lt;&lt;/b&gt; turns the board round. The two swatches show the engine&apos;s colour (upper) and yours (lower).</source>
        <translation>&lt;b&gt;Neu&lt;/b&gt; beginnt eine Partie und fragt nach Ihrer Farbe; &lt;b&gt;Sichern&lt;/b&gt; und &lt;b&gt;Laden&lt;/b&gt; bewahren eine Partie auf. &lt;b&gt;Zieh!&lt;/b&gt; lässt den Computer jetzt für seine Seite ziehen, &lt;b&gt;&amp;lt;&lt;/b&gt; dreht das Brett um. Die beiden Farbfelder zeigen die Farbe des Computers (oben) und Ihre (unten).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; and the palette set up any position: click a palette piece (the left column places the engine&apos;s pieces, the right one yours), then squares; the blank box erases. Untick Edit to play on.</source>
        <translation>&lt;b&gt;✎&lt;/b&gt; und die Palette bauen jede Stellung auf: Klicken Sie eine Figur der Palette an (die linke Spalte setzt die Figuren des Computers, die rechte Ihre), dann Felder; das leere Kästchen radiert. Entfernen Sie den Haken bei ✎, um weiterzuspielen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Take back&lt;/b&gt; (Ctrl+Z) undoes your last move with the engine&apos;s answer, an edit, a load, a paste or Force; &lt;b&gt;Redo&lt;/b&gt; (Ctrl+Shift+Z) plays it again. While the engine thinks, &lt;b&gt;Space&lt;/b&gt; makes it move at once. &lt;b&gt;Move &amp;#9656; Level&lt;/b&gt; chooses an easier opponent.</source>
        <translation>&lt;b&gt;Zurücknehmen&lt;/b&gt; (Strg+Z) nimmt Ihren letzten Zug mit der Antwort des Computers zurück, ebenso eine Bearbeitung, ein Laden, ein Einfügen oder einen mit „Zieh!“ erzwungenen Zug; &lt;b&gt;Wiederherstellen&lt;/b&gt; (Strg+Umschalt+Z) spielt ihn erneut. Während der Computer nachdenkt, lässt ihn die &lt;b&gt;Leertaste&lt;/b&gt; sofort ziehen. &lt;b&gt;Zug &amp;#9656; Spielstärke&lt;/b&gt; wählt einen leichteren Gegner.</translation>
    </message>
    <message>
        <source>Thinking… depth %1</source>
        <translation>Denkt nach… Tiefe %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sichern</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Copy position</source>
        <translation>Stellung &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste position</source>
        <translation>Stellung &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Open PGN…</source>
        <translation>PGN ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Save game as P&amp;GN…</source>
        <translation>Partie als P&amp;GN speichern…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Zug</translation>
    </message>
    <message>
        <source>&amp;Take back</source>
        <translation>Zu&amp;rücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Move &amp;now</source>
        <translation>S&amp;ofort ziehen</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>Computer &amp;ziehen lassen</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>Spiel&amp;stärke</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Rotate board</source>
        <translation>Brett &amp;drehen</translation>
    </message>
    <message>
        <source>Show &amp;statistics</source>
        <translation>&amp;Statistik zeigen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About Ostrand Chess</source>
        <translation>Ü&amp;ber Ostrand Chess</translation>
    </message>
    <message>
        <source>The language changes when Ostrand Chess starts again</source>
        <translation>Die Sprache wechselt beim nächsten Start von Ostrand Chess</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>About Ostrand Chess</source>
        <translation>Über Ostrand Chess</translation>
    </message>
    <message>
        <source>A chess program in which you play against the computer.</source>
        <translation>Ein Schachprogramm, in dem Sie gegen den Computer spielen.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>In %1 gesichert</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <translation>Aus %1 geladen</translation>
    </message>
    <message>
        <source>Copy &amp;game</source>
        <translation>&amp;Partie kopieren</translation>
    </message>
    <message>
        <source>Offer a &amp;draw</source>
        <translation>&amp;Remis anbieten</translation>
    </message>
    <message>
        <source>R&amp;esign</source>
        <translation>A&amp;ufgeben</translation>
    </message>
    <message>
        <source>Go to the &amp;start</source>
        <translation>Zum &amp;Anfang</translation>
    </message>
    <message>
        <source>Go to the &amp;end</source>
        <translation>Zum &amp;Ende</translation>
    </message>
    <message>
        <source>Move &amp;list</source>
        <translation>&amp;Zugliste</translation>
    </message>
    <message>
        <source>The engine declines the draw</source>
        <translation>Der Computer lehnt das Remis ab</translation>
    </message>
    <message>
        <source>The &lt;b&gt;move list&lt;/b&gt; beside the board shows the game; click a move, or press Left, Right, Home or End, to go back or forward through it.</source>
        <translation>Die &lt;b&gt;Zugliste&lt;/b&gt; neben dem Brett zeigt die Partie; ein Klick auf einen Zug oder die Tasten Links, Rechts, Pos1 und Ende gehen in ihr zurück oder vor.</translation>
    </message>
    <message>
        <source>A game ends by mate, stalemate, a threefold repetition, fifty moves without a capture or a pawn move, too little material to mate, your resignation (&lt;b&gt;Game &amp;#9656; Resign&lt;/b&gt;) or a draw the engine accepts (&lt;b&gt;Offer a draw&lt;/b&gt;): it accepts when it thinks itself a pawn or more behind.</source>
        <translation>Eine Partie endet durch Matt, Patt, dreifache Stellungswiederholung, fünfzig Züge ohne Schlagen oder Bauernzug, zu wenig Material zum Mattsetzen, Ihre Aufgabe (&lt;b&gt;Partie &amp;#9656; Aufgeben&lt;/b&gt;) oder ein Remis, das der Computer annimmt (&lt;b&gt;Remis anbieten&lt;/b&gt;): Er nimmt an, wenn er sich einen Bauern oder mehr im Nachteil sieht.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy position&lt;/b&gt; (Ctrl+C) puts the position in FEN on the clipboard; &lt;b&gt;Paste position&lt;/b&gt; (Ctrl+V) sets one up from there, or a PGN game, and the engine moves if it is its turn. &lt;b&gt;Save game as PGN&lt;/b&gt;, &lt;b&gt;Copy game&lt;/b&gt; (Ctrl+Shift+C) and &lt;b&gt;Open PGN&lt;/b&gt; keep and replay whole games, which other chess programs read too.</source>
        <translation>&lt;b&gt;Stellung kopieren&lt;/b&gt; (Strg+C) legt die Stellung als FEN in die Zwischenablage; &lt;b&gt;Stellung einfügen&lt;/b&gt; (Strg+V) baut eine von dort auf, auch eine PGN-Partie, und der Computer zieht, wenn er am Zug ist. &lt;b&gt;Partie als PGN speichern&lt;/b&gt;, &lt;b&gt;Partie kopieren&lt;/b&gt; (Strg+Umschalt+C) und &lt;b&gt;PGN öffnen&lt;/b&gt; bewahren ganze Partien auf und spielen sie nach; auch andere Schachprogramme lesen sie.</translation>
    </message>
    <message>
        <source>You may also drag a piece to its square. &lt;b&gt;Move &amp;#9656; Hint&lt;/b&gt; (H) frames the engine&apos;s suggestion for your move in green. &lt;b&gt;Game &amp;#9656; Time control&lt;/b&gt; plays the next games on a clock; &lt;b&gt;View &amp;#9656; Zoom&lt;/b&gt; enlarges the whole window.</source>
        <translation>Sie können eine Figur auch auf ihr Feld ziehen. &lt;b&gt;Zug &amp;#9656; Tipp&lt;/b&gt; (H) rahmt den Vorschlag des Computers für Ihren Zug grün ein. &lt;b&gt;Partie &amp;#9656; Bedenkzeit&lt;/b&gt; spielt die nächsten Partien mit Uhr; &lt;b&gt;Ansicht &amp;#9656; Vergrößerung&lt;/b&gt; vergrößert das ganze Fenster.</translation>
    </message>
    <message>
        <source>&amp;Time control</source>
        <translation>Bedenk&amp;zeit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Eigene…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Show &amp;legal moves</source>
        <translation>&amp;Mögliche Züge zeigen</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Vergrößerung</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>No hint in this position</source>
        <translation>Kein Tipp in dieser Stellung</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Custom (%1)…</source>
        <translation>Eigene (%1)…</translation>
    </message>
    <message>
        <source>The time control takes effect with the next new game</source>
        <translation>Die Bedenkzeit gilt ab der nächsten neuen Partie</translation>
    </message>
    <message>
        <source>Time control</source>
        <translation>Bedenkzeit</translation>
    </message>
    <message>
        <source>Minutes for the game:</source>
        <translation>Minuten für die Partie:</translation>
    </message>
    <message>
        <source>Seconds added after each move:</source>
        <translation>Sekunden Zugabe nach jedem Zug:</translation>
    </message>
    <message>
        <source>Full strength (about %1)</source>
        <translation>Volle Stärke (etwa %1)</translation>
    </message>
    <message>
        <source>Depth 6 (about %1)</source>
        <translation>Tiefe 6 (etwa %1)</translation>
    </message>
    <message>
        <source>Depth 4 (about %1)</source>
        <translation>Tiefe 4 (etwa %1)</translation>
    </message>
    <message>
        <source>Depth 2 (about %1)</source>
        <translation>Tiefe 2 (etwa %1)</translation>
    </message>
    <message>
        <source>Casual (about %1)</source>
        <translation>Freizeitspieler (etwa %1)</translation>
    </message>
    <message>
        <source>Beginner (about %1)</source>
        <translation>Anfänger (etwa %1)</translation>
    </message>
    <message>
        <source>&amp;Vary the openings</source>
        <translation>Eröffnungen &amp;variieren</translation>
    </message>
    <message>
        <source>Vary the openings</source>
        <translation>Eröffnungen variieren</translation>
    </message>
    <message>
        <source>&lt;b&gt;Typing a move:&lt;/b&gt; press / or Ctrl+L, type the move as in e4, Nf3, exd5, O-O or e8=Q (or its squares, as in g1f3) and press Enter; the box offers the legal moves as you type. Escape leaves the box.</source>
        <translation>&lt;b&gt;Zug eintippen:&lt;/b&gt; Drücken Sie / oder Strg+L, tippen Sie den Zug wie e4, Sf3, exd5, O-O oder e8=D (oder seine Felder, wie g1f3) und drücken Sie die Eingabetaste; das Feld bietet beim Tippen die legalen Züge an. Escape verlässt das Feld.</translation>
    </message>
    <message>
        <source>&amp;Coordinates</source>
        <translation>&amp;Koordinaten</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>Standard &amp;rules (en passant, promotion to any piece)</source>
        <translation>Stan&amp;dardregeln (en passant, Umwandlung in jede Figur)</translation>
    </message>
    <message>
        <source>The rules take effect with the next new game or set-up</source>
        <translation>Die Regeln gelten ab der nächsten neuen Partie oder Stellung</translation>
    </message>
    <message>
        <source>Master (about %1)</source>
        <translation>Meister (etwa %1)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Check Mate!</source>
        <translation>Schachmatt!</translation>
    </message>
    <message>
        <source>Stale Mate!</source>
        <translation>Patt!</translation>
    </message>
    <message>
        <source>The piece-square tables are incomplete, the engine plays without the missing values: %1</source>
        <translation>Die Figur-Feld-Tabellen sind unvollständig, der Computer spielt ohne die fehlenden Werte: %1</translation>
    </message>
    <message>
        <source>no table file (P1.txt to Q4.txt) was found in %1 or %2</source>
        <translation>keine Tabellendatei (P1.txt bis Q4.txt) in %1 oder %2 gefunden</translation>
    </message>
    <message>
        <source>no table file (P1.txt to Q4.txt) was found in %1</source>
        <translation>keine Tabellendatei (P1.txt bis Q4.txt) in %1 gefunden</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>%1 holds only %2 of 64 values</source>
        <translation>%1 enthält nur %2 von 64 Werten</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) does not fit 16 bits</source>
        <translation>%1: Wert %2 (%3) passt nicht in 16 Bit</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is not a whole number</source>
        <translation>%1: Wert %2 (%3) ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>Cannot save the game to %1: the file cannot be written.</source>
        <translation>Die Partie lässt sich nicht in %1 sichern: Die Datei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot save the game to %1: %2.</source>
        <translation>Die Partie lässt sich nicht in %1 sichern: %2.</translation>
    </message>
    <message>
        <source>Cannot load %1, line %2: %3. The game is unchanged.</source>
        <translation>%1 lässt sich nicht laden, Zeile %2: %3. Die Partie bleibt unverändert.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2. The game is unchanged.</source>
        <translation>%1 lässt sich nicht laden: %2. Die Partie bleibt unverändert.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is far too large for a saved game</source>
        <translation>die Datei ist viel zu groß für eine gesicherte Partie</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not fit 16 bits</source>
        <translation>„%1“ passt nicht in 16 Bit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>„%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the file ends after %1 of %2 values</source>
        <translation>die Datei endet nach %1 von %2 Werten</translation>
    </message>
    <message>
        <source>the move count is negative</source>
        <translation>der Zugzähler ist negativ</translation>
    </message>
    <message>
        <source>the border cell (%1,%2) holds %3 instead of 2</source>
        <translation>die Randzelle (%1,%2) enthält %3 statt 2</translation>
    </message>
    <message>
        <source>the square (%1,%2) holds %3, which is no piece</source>
        <translation>das Feld (%1,%2) enthält %3, und das ist keine Figur</translation>
    </message>
    <message>
        <source>not a PGN file: it holds binary data (byte %1 on line %2)</source>
        <translation>keine PGN-Datei: Sie enthält Binärdaten (Byte %1 in Zeile %2)</translation>
    </message>
    <message>
        <source>no game in the file</source>
        <translation>keine Partie in der Datei</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>unerwartetes Zeichen %1</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>a tag is not of the form [Name &quot;value&quot;]</source>
        <translation>ein Tag hat nicht die Form [Name &quot;Wert&quot;]</translation>
    </message>
    <message>
        <source>a comment &apos;{&apos; is not closed</source>
        <translation>ein Kommentar &apos;{&apos; ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a variation &apos;(&apos; is not closed</source>
        <translation>eine Variante &apos;(&apos; ist nicht geschlossen</translation>
    </message>
    <message>
        <source>FEN tag: %1</source>
        <translation>FEN-Tag: %1</translation>
    </message>
    <message>
        <source>move %1 (%2): %3</source>
        <translation>Zug %1 (%2): %3</translation>
    </message>
    <message>
        <source>illegal move</source>
        <translation>unzulässiger Zug</translation>
    </message>
    <message>
        <source>ambiguous move</source>
        <translation>mehrdeutiger Zug</translation>
    </message>
    <message>
        <source>not a move</source>
        <translation>kein Zug</translation>
    </message>
    <message>
        <source>null move</source>
        <translation>Nullzug</translation>
    </message>
    <message>
        <source>en passant, which the engine&apos;s rules do not have</source>
        <translation>en passant, das die Regeln des Computers nicht kennen</translation>
    </message>
    <message>
        <source>promotion to a piece other than a queen, which the engine&apos;s rules do not have</source>
        <translation>Umwandlung in eine andere Figur als eine Dame, die die Regeln des Computers nicht kennen</translation>
    </message>
    <message>
        <source>the board holds something that is no piece</source>
        <translation>auf dem Brett steht etwas, das keine Figur ist</translation>
    </message>
    <message>
        <source>set up without en passant on %1: the engine&apos;s rules have no en passant</source>
        <translation>ohne en passant auf %1 aufgebaut: Die Regeln des Computers kennen kein en passant</translation>
    </message>
    <message>
        <source>the FEN&apos;s placement has %1 ranks, not 8</source>
        <translation>die Figurenstellung der FEN hat %1 Reihen statt 8</translation>
    </message>
    <message>
        <source>rank %1 of the FEN has an unexpected %2</source>
        <translation>Reihe %1 der FEN enthält ein unerwartetes Zeichen %2</translation>
    </message>
    <message>
        <source>rank %1 of the FEN has %2 squares, not 8</source>
        <translation>Reihe %1 der FEN hat %2 Felder statt 8</translation>
    </message>
    <message>
        <source>a FEN has the placement, the side to move and up to four more fields</source>
        <translation>eine FEN besteht aus der Figurenstellung, der Seite am Zug und bis zu vier weiteren Feldern</translation>
    </message>
    <message>
        <source>the FEN&apos;s side to move must be w or b</source>
        <translation>die Seite am Zug muss in der FEN w oder b sein</translation>
    </message>
    <message>
        <source>the FEN&apos;s castling field &apos;%1&apos; is not of KQkq or -</source>
        <translation>das Rochadefeld „%1“ der FEN besteht nicht aus KQkq oder -</translation>
    </message>
    <message>
        <source>the FEN&apos;s en passant square &apos;%1&apos; does not follow a pawn&apos;s double step</source>
        <translation>das En-passant-Feld „%1“ der FEN folgt auf keinen Doppelschritt eines Bauern</translation>
    </message>
    <message>
        <source>the FEN&apos;s move counters are not numbers</source>
        <translation>die Zugzähler der FEN sind keine Zahlen</translation>
    </message>
    <message>
        <source>the FEN&apos;s move number starts at 1</source>
        <translation>die Zugnummer der FEN beginnt bei 1</translation>
    </message>
    <message>
        <source>the position has %1 and %2; it needs one of each</source>
        <translation>die Stellung hat %1 und %2; sie braucht je einen</translation>
    </message>
    <message>
        <source>no white king</source>
        <translation>keinen weißen König</translation>
    </message>
    <message>
        <source>1 white king</source>
        <translation>1 weißen König</translation>
    </message>
    <message>
        <source>%1 white kings</source>
        <translation>%1 weiße Könige</translation>
    </message>
    <message>
        <source>no black king</source>
        <translation>keinen schwarzen König</translation>
    </message>
    <message>
        <source>1 black king</source>
        <translation>1 schwarzen König</translation>
    </message>
    <message>
        <source>%1 black kings</source>
        <translation>%1 schwarze Könige</translation>
    </message>
    <message>
        <source>the position has a pawn on %1</source>
        <translation>die Stellung hat einen Bauern auf %1</translation>
    </message>
    <message>
        <source>Black is in check but it is White&apos;s move</source>
        <translation>Schwarz steht im Schach, aber Weiß ist am Zug</translation>
    </message>
    <message>
        <source>White is in check but it is Black&apos;s move</source>
        <translation>Weiß steht im Schach, aber Schwarz ist am Zug</translation>
    </message>
    <message>
        <source>the opening book %1 is damaged (%2); playing without it</source>
        <translation>das Eröffnungsbuch %1 ist beschädigt (%2); es wird ohne gespielt</translation>
    </message>
    <message>
        <source>no opening book %1 was found; playing without it</source>
        <translation>kein Eröffnungsbuch %1 gefunden; es wird ohne gespielt</translation>
    </message>
    <message>
        <source>expected moves and then a weight from 1 to %1</source>
        <translation>erwartet werden Züge und dann ein Gewicht von 1 bis %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a legal move here</source>
        <translation>„%1“ ist hier kein zulässiger Zug</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>K</source>
        <comment>the king in a move&apos;s notation</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>the queen in a move&apos;s notation</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>R</source>
        <comment>the rook in a move&apos;s notation</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>B</source>
        <comment>the bishop in a move&apos;s notation</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the knight in a move&apos;s notation</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>%1: the standard rules (Game menu) would play it</source>
        <translation>%1: die Standardregeln (Menü Partie) würden sie spielen</translation>
    </message>
</context>
<context>
    <name>MoveEntry</name>
    <message>
        <source>Type a move</source>
        <translation>Zug eingeben</translation>
    </message>
    <message>
        <source>Type a move such as e4, Nf3, O-O or e2e4 and press Enter (/ or Ctrl+L)</source>
        <translation>Geben Sie einen Zug wie e4, Sf3, O-O oder e2e4 ein und drücken Sie die Eingabetaste (/ oder Strg+L)</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Type your move, for example e4, Nf3, exd5, O-O or e7e8=Q, and press Enter</source>
        <translation>Geben Sie Ihren Zug ein, zum Beispiel e4, Sf3, exd5, O-O oder e8=D, und drücken Sie die Eingabetaste</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>The moves of the game; click one to go back or forward to it</source>
        <translation>Die Züge der Partie; ein Klick auf einen Zug geht dorthin zurück oder vor</translation>
    </message>
    <message>
        <source>From a set-up position</source>
        <translation>Aus einer aufgebauten Stellung</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Play chess against the computer.</source>
        <translation>Schach gegen den Computer spielen.</translation>
    </message>
    <message>
        <source>Start from the position FEN (quote it).</source>
        <translation>Von der Stellung FEN aus beginnen (in Anführungszeichen).</translation>
    </message>
    <message>
        <source>Show the window in the language CODE (de, en, es, fr); by default the system&apos;s.</source>
        <translation>Das Fenster in der Sprache CODE zeigen (de, en, es, fr); sonst in der des Systems.</translation>
    </message>
    <message>
        <source>Open the game of a PGN file.</source>
        <translation>Die Partie einer PGN-Datei öffnen.</translation>
    </message>
    <message>
        <source>give one PGN file or one --fen, not more</source>
        <translation>nur eine PGN-Datei oder ein --fen angeben, nicht mehr</translation>
    </message>
    <message>
        <source>file</source>
        <translation>datei</translation>
    </message>
    <message>
        <source>[FILE.pgn]</source>
        <translation>[DATEI.pgn]</translation>
    </message>
    <message>
        <source>Play on a clock: M minutes (decimals allowed) plus S seconds a move.</source>
        <translation>Mit Uhr spielen: M Minuten (mit Dezimalstellen) plus S Sekunden je Zug.</translation>
    </message>
    <message>
        <source>Show the board at PERCENT: 100, 150, 200 or 300.</source>
        <translation>Das Brett mit PERCENT zeigen: 100, 150, 200 oder 300.</translation>
    </message>
    <message>
        <source>--zoom takes 100, 150, 200 or 300, not %1</source>
        <translation>--zoom nimmt 100, 150, 200 oder 300, nicht %1</translation>
    </message>
    <message>
        <source>--clock takes minutes and seconds a move, as in 5+0 or 0.5+1, not %1</source>
        <translation>--clock nimmt Minuten und Sekunden je Zug, wie 5+0 oder 0.5+1, nicht %1</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Checkmate — you win</source>
        <translation>Schachmatt — Sie gewinnen</translation>
    </message>
    <message>
        <source>Checkmate — Ostrand wins</source>
        <translation>Schachmatt — Ostrand gewinnt</translation>
    </message>
    <message>
        <source>Stalemate — draw</source>
        <translation>Patt — Remis</translation>
    </message>
    <message>
        <source>Check!</source>
        <translation>Schach!</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Sie sind am Zug</translation>
    </message>
    <message>
        <source>That piece cannot move there</source>
        <translation>Diese Figur kann nicht dorthin ziehen</translation>
    </message>
    <message>
        <source>Your king would be in check</source>
        <translation>Ihr König stünde im Schach</translation>
    </message>
    <message>
        <source>You resigned — Ostrand wins</source>
        <translation>Sie haben aufgegeben — Ostrand gewinnt</translation>
    </message>
    <message>
        <source>Draw agreed</source>
        <translation>Remis vereinbart</translation>
    </message>
    <message>
        <source>Draw by threefold repetition</source>
        <translation>Remis durch dreifache Stellungswiederholung</translation>
    </message>
    <message>
        <source>Draw by the fifty-move rule</source>
        <translation>Remis nach der 50-Züge-Regel</translation>
    </message>
    <message>
        <source>Draw by insufficient material</source>
        <translation>Remis mangels Material zum Mattsetzen</translation>
    </message>
    <message>
        <source>The game is over: start a new game</source>
        <translation>Die Partie ist zu Ende: Beginnen Sie eine neue</translation>
    </message>
    <message>
        <source>Your time is up — Ostrand wins</source>
        <translation>Ihre Zeit ist abgelaufen — Ostrand gewinnt</translation>
    </message>
    <message>
        <source>Your time is up, but Ostrand cannot mate — draw</source>
        <translation>Ihre Zeit ist abgelaufen, aber Ostrand kann nicht mattsetzen — Remis</translation>
    </message>
    <message>
        <source>Ostrand&apos;s time is up — you win</source>
        <translation>Ostrands Zeit ist abgelaufen — Sie gewinnen</translation>
    </message>
    <message>
        <source>Ostrand&apos;s time is up, but you cannot mate — draw</source>
        <translation>Ostrands Zeit ist abgelaufen, aber Sie können nicht mattsetzen — Remis</translation>
    </message>
    <message>
        <source>The board holds no chess position</source>
        <translation>Auf dem Brett steht keine Schachstellung</translation>
    </message>
    <message>
        <source>That is no move: type, for example, e4, Nf3 or O-O</source>
        <translation>Das ist kein Zug: geben Sie zum Beispiel e4, Sf3 oder O-O ein</translation>
    </message>
    <message>
        <source>More than one piece can make that move: add its file or rank, as in Nbd2</source>
        <translation>Mehr als eine Figur kann diesen Zug machen: nennen Sie ihre Linie oder Reihe, wie in Sbd2</translation>
    </message>
    <message>
        <source>A pawn can only be promoted to a queen</source>
        <translation>Ein Bauer kann nur in eine Dame umgewandelt werden</translation>
    </message>
    <message>
        <source>Name the piece the pawn becomes, as in e8=N</source>
        <translation>Nennen Sie die Figur, in die sich der Bauer umwandelt, wie in e8=N</translation>
    </message>
</context>
</TS>
