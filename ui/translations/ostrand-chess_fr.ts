<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>white pawn</source>
        <translation>pion blanc</translation>
    </message>
    <message>
        <source>black pawn</source>
        <translation>pion noir</translation>
    </message>
    <message>
        <source>white knight</source>
        <translation>cavalier blanc</translation>
    </message>
    <message>
        <source>black knight</source>
        <translation>cavalier noir</translation>
    </message>
    <message>
        <source>white bishop</source>
        <translation>fou blanc</translation>
    </message>
    <message>
        <source>black bishop</source>
        <translation>fou noir</translation>
    </message>
    <message>
        <source>white rook</source>
        <translation>tour blanche</translation>
    </message>
    <message>
        <source>black rook</source>
        <translation>tour noire</translation>
    </message>
    <message>
        <source>white queen</source>
        <translation>dame blanche</translation>
    </message>
    <message>
        <source>black queen</source>
        <translation>dame noire</translation>
    </message>
    <message>
        <source>white king</source>
        <translation>roi blanc</translation>
    </message>
    <message>
        <source>black king</source>
        <translation>roi noir</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Chess board</source>
        <translation>Échiquier</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>Coups de la partie</translation>
    </message>
    <message>
        <source>The game&apos;s moves in pairs, yours and the engine&apos;s</source>
        <translation>Les coups de la partie par paires, les vôtres et ceux de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>How the game stands</source>
        <translation>Où en est la partie</translation>
    </message>
    <message>
        <source>%1%2, %3</source>
        <translation>%1%2, %3</translation>
    </message>
    <message>
        <source>Ostrand plays %1. %2</source>
        <translation>Ostrand joue %1. %2</translation>
    </message>
    <message>
        <source>Click one of your pieces, then its square; or press / and type the move</source>
        <translation>Cliquez sur une de vos pièces, puis sur sa case d&apos;arrivée&#xa0;; ou appuyez sur / et tapez le coup</translation>
    </message>
</context>
<context>
    <name>ChessClock</name>
    <message>
        <source>Your time left</source>
        <translation>Votre temps restant</translation>
    </message>
    <message>
        <source>The engine&apos;s time left</source>
        <translation>Le temps restant de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Vous&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ostrand: %1</source>
        <translation>Ostrand&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ClipboardAndFiles</name>
    <message>
        <source>PGN games (*.pgn *.PGN);;All files (*)</source>
        <translation>Parties PGN (*.pgn *.PGN);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open PGN</source>
        <translation>Ouvrir un PGN</translation>
    </message>
    <message>
        <source>Save game as PGN</source>
        <translation>Enregistrer la partie en PGN</translation>
    </message>
    <message>
        <source>The file holds several games. Which one shall be played?</source>
        <translation>Le fichier contient plusieurs parties. Laquelle faut-il jouer&#xa0;?</translation>
    </message>
    <message>
        <source>The board holds no chess position: %1.</source>
        <translation>L&apos;échiquier ne porte pas de position d&apos;échecs&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Copy position</source>
        <translation>Copier la position</translation>
    </message>
    <message>
        <source>Position copied</source>
        <translation>Position copiée</translation>
    </message>
    <message>
        <source>Copy game</source>
        <translation>Copier la partie</translation>
    </message>
    <message>
        <source>Game copied</source>
        <translation>Partie copiée</translation>
    </message>
    <message>
        <source>the pasted game</source>
        <translation>la partie collée</translation>
    </message>
    <message>
        <source>Set up position</source>
        <translation>Installer une position</translation>
    </message>
    <message>
        <source>“%1” is no chess position: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une position d&apos;échecs&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1, game %2</source>
        <translation>%1, partie %2</translation>
    </message>
    <message>
        <source>Cannot play %1.

At %2.</source>
        <translation>Impossible de jouer %1.

Problème&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
</context>
<context>
    <name>F_Board</name>
    <message>
        <source>Nodes/Sec: </source>
        <translation>Nœuds/s&#xa0;: </translation>
    </message>
    <message>
        <source>Nodes: </source>
        <translation>Nœuds&#xa0;: </translation>
    </message>
    <message>
        <source>Best Value: </source>
        <translation>Valeur max&#xa0;: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Temps&#xa0;: </translation>
    </message>
    <message>
        <source>State: </source>
        <translation>Phase&#xa0;: </translation>
    </message>
    <message>
        <source>Engine progress:</source>
        <translation>Recherche&#xa0;:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Ostrand Chess by the Ostrand developers</source>
        <translation>Ostrand Chess, par les développeurs d&apos;Ostrand</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>✎</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Start a new game; you choose your colour</source>
        <translation>Commencer une nouvelle partie&#xa0;; vous choisissez votre couleur</translation>
    </message>
    <message>
        <source>Save the game, replacing the last save</source>
        <translation>Sauvegarder la partie, à la place de la dernière sauvegarde</translation>
    </message>
    <message>
        <source>Go back to the game last saved</source>
        <translation>Revenir à la dernière partie sauvegardée</translation>
    </message>
    <message>
        <source>Make the engine play a move for its side now</source>
        <translation>Faire jouer l&apos;ordinateur maintenant pour son camp</translation>
    </message>
    <message>
        <source>Turn the board display upside down, or back</source>
        <translation>Retourner l&apos;échiquier, ou le remettre à l&apos;endroit</translation>
    </message>
    <message>
        <source>Set up a position: clicks on the board place the palette&apos;s piece</source>
        <translation>Composer une position&#xa0;: chaque clic sur l&apos;échiquier pose la pièce de la palette</translation>
    </message>
    <message>
        <source>Place the engine&apos;s pawn, then click squares</source>
        <translation>Poser un pion de l&apos;ordinateur, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place the engine&apos;s knight, then click squares</source>
        <translation>Poser un cavalier de l&apos;ordinateur, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place the engine&apos;s bishop, then click squares</source>
        <translation>Poser un fou de l&apos;ordinateur, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place the engine&apos;s rook, then click squares</source>
        <translation>Poser une tour de l&apos;ordinateur, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place the engine&apos;s queen, then click squares</source>
        <translation>Poser une dame de l&apos;ordinateur, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place the engine&apos;s king, then click squares</source>
        <translation>Poser le roi de l&apos;ordinateur, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place your pawn, then click squares</source>
        <translation>Poser un de vos pions, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place your knight, then click squares</source>
        <translation>Poser un de vos cavaliers, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place your bishop, then click squares</source>
        <translation>Poser un de vos fous, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place your rook, then click squares</source>
        <translation>Poser une de vos tours, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place your queen, then click squares</source>
        <translation>Poser une de vos dames, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Place your king, then click squares</source>
        <translation>Poser votre roi, puis cliquer sur des cases</translation>
    </message>
    <message>
        <source>Eraser: empty the squares you click</source>
        <translation>Gomme&#xa0;: vide les cases cliquées</translation>
    </message>
    <message>
        <source>The engine&apos;s colour</source>
        <translation>La couleur de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Your colour</source>
        <translation>Votre couleur</translation>
    </message>
    <message>
        <source>Open the project&apos;s web page</source>
        <translation>Ouvrir la page web du projet</translation>
    </message>
    <message>
        <source>What the engine&apos;s search has done for its last move</source>
        <translation>Le travail de la recherche de l&apos;ordinateur pour son dernier coup</translation>
    </message>
    <message>
        <source>Positions the engine has looked at for its move</source>
        <translation>Positions examinées par l&apos;ordinateur pour son coup</translation>
    </message>
    <message>
        <source>The best score found so far, in hundredths of a pawn for the engine</source>
        <translation>La meilleure évaluation trouvée jusqu&apos;ici, en centièmes de pion pour l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Seconds the engine has been thinking</source>
        <translation>Secondes de réflexion de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Positions looked at per second</source>
        <translation>Positions examinées par seconde</translation>
    </message>
    <message>
        <source>Game stage (1 opening to 4 endgame); after the move, the engine&apos;s score of the position</source>
        <translation>Phase de la partie (1 ouverture à 4 finale)&#xa0;; après le coup, l&apos;évaluation de la position par l&apos;ordinateur</translation>
    </message>
    <message>
        <source>How far the engine&apos;s deeper searches have come</source>
        <translation>L&apos;avancement des recherches plus profondes de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Would you like to play whites?</source>
        <translation>Voulez-vous jouer les blancs&#xa0;?</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Rook</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Bishop</source>
        <translation>Fou</translation>
    </message>
    <message>
        <source>Knight</source>
        <translation>Cavalier</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>Logiciel libre sous la licence GNU General Public License, version 3 ou toute version ultérieure.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Moving:&lt;/b&gt; click one of your pieces (it is framed in red), then the square it goes to. The engine answers at once and its move is framed in blue. Castle by moving the king two squares. A refused move is explained in the status line.</source>
        <translation>&lt;b&gt;Jouer un coup&#xa0;:&lt;/b&gt; cliquez sur une de vos pièces (elle est encadrée en rouge), puis sur sa case d&apos;arrivée. L&apos;ordinateur répond aussitôt et son coup est encadré en bleu. Pour roquer, déplacez le roi de deux cases. Un coup refusé est expliqué dans la barre d&apos;état.</translation>
    </message>
    <message>
        <source>&lt;b&gt;New&lt;/b&gt; starts a game and asks for your colour; &lt;b&gt;Save&lt;/b&gt; and &lt;b&gt;Load&lt;/b&gt; keep one game. &lt;b&gt;Force&lt;/b&gt; makes the engine move for its side now, and &lt;b&gt;&amp;lt;&lt;/b&gt; turns the board round. The two swatches show the engine&apos;s colour (upper) and yours (lower).</source>
        <translation>&lt;b&gt;Nouvelle&lt;/b&gt; commence une partie et demande votre couleur&#xa0;; &lt;b&gt;Sauver&lt;/b&gt; et &lt;b&gt;Charger&lt;/b&gt; conservent une partie. &lt;b&gt;Jouer&lt;/b&gt; fait jouer l&apos;ordinateur maintenant pour son camp, et &lt;b&gt;&amp;lt;&lt;/b&gt; retourne l&apos;échiquier. Les deux pastilles montrent la couleur de l&apos;ordinateur (en haut) et la vôtre (en bas).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; and the palette set up any position: click a palette piece (the left column places the engine&apos;s pieces, the right one yours), then squares; the blank box erases. Untick Edit to play on.</source>
        <translation>&lt;b&gt;✎&lt;/b&gt; et la palette composent n&apos;importe quelle position&#xa0;: cliquez sur une pièce de la palette (la colonne de gauche pose les pièces de l&apos;ordinateur, celle de droite les vôtres), puis sur des cases&#xa0;; la case vide efface. Décochez ✎ pour reprendre la partie.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Take back&lt;/b&gt; (Ctrl+Z) undoes your last move with the engine&apos;s answer, an edit, a load, a paste or Force; &lt;b&gt;Redo&lt;/b&gt; (Ctrl+Shift+Z) plays it again. While the engine thinks, &lt;b&gt;Space&lt;/b&gt; makes it move at once. &lt;b&gt;Move &amp;#9656; Level&lt;/b&gt; chooses an easier opponent.</source>
        <translation>&lt;b&gt;Reprendre le coup&lt;/b&gt; (Ctrl+Z) annule votre dernier coup avec la réponse de l&apos;ordinateur, une modification, un chargement, un collage ou Jouer&#xa0;; &lt;b&gt;Rétablir&lt;/b&gt; (Ctrl+Maj+Z) le rejoue. Pendant que l&apos;ordinateur réfléchit, &lt;b&gt;Espace&lt;/b&gt; le fait jouer aussitôt. &lt;b&gt;Coup &amp;#9656; Niveau&lt;/b&gt; choisit un adversaire plus facile.</translation>
    </message>
    <message>
        <source>Thinking… depth %1</source>
        <translation>Réflexion… profondeur %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nouvelle…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sauver</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Copy position</source>
        <translation>C&amp;opier la position</translation>
    </message>
    <message>
        <source>&amp;Paste position</source>
        <translation>Co&amp;ller la position</translation>
    </message>
    <message>
        <source>&amp;Open PGN…</source>
        <translation>Ou&amp;vrir un PGN…</translation>
    </message>
    <message>
        <source>Save game as P&amp;GN…</source>
        <translation>&amp;Enregistrer la partie en PGN…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Coup</translation>
    </message>
    <message>
        <source>&amp;Take back</source>
        <translation>&amp;Reprendre le coup</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ré&amp;tablir</translation>
    </message>
    <message>
        <source>Move &amp;now</source>
        <translation>Jouer &amp;maintenant</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Rotate board</source>
        <translation>&amp;Retourner l&apos;échiquier</translation>
    </message>
    <message>
        <source>Show &amp;statistics</source>
        <translation>Afficher les &amp;statistiques</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Lan&amp;gue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;About Ostrand Chess</source>
        <translation>À &amp;propos d&apos;Ostrand Chess</translation>
    </message>
    <message>
        <source>The language changes when Ostrand Chess starts again</source>
        <translation>La langue change au prochain démarrage d&apos;Ostrand Chess</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>About Ostrand Chess</source>
        <translation>À propos d&apos;Ostrand Chess</translation>
    </message>
    <message>
        <source>A chess program in which you play against the computer.</source>
        <translation>Un programme d&apos;échecs où vous jouez contre l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Sauvée dans %1</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <translation>Chargée depuis %1</translation>
    </message>
    <message>
        <source>Copy &amp;game</source>
        <translation>Copier la &amp;partie</translation>
    </message>
    <message>
        <source>Offer a &amp;draw</source>
        <translation>Proposer la n&amp;ulle</translation>
    </message>
    <message>
        <source>R&amp;esign</source>
        <translation>Abandonne&amp;r</translation>
    </message>
    <message>
        <source>Go to the &amp;start</source>
        <translation>Aller au &amp;début</translation>
    </message>
    <message>
        <source>Go to the &amp;end</source>
        <translation>Aller à la &amp;fin</translation>
    </message>
    <message>
        <source>Move &amp;list</source>
        <translation>&amp;Liste des coups</translation>
    </message>
    <message>
        <source>The engine declines the draw</source>
        <translation>L&apos;ordinateur refuse la nulle</translation>
    </message>
    <message>
        <source>The &lt;b&gt;move list&lt;/b&gt; beside the board shows the game; click a move, or press Left, Right, Home or End, to go back or forward through it.</source>
        <translation>La &lt;b&gt;liste des coups&lt;/b&gt; à côté de l&apos;échiquier montre la partie&#xa0;; cliquez sur un coup, ou appuyez sur Gauche, Droite, Début ou Fin, pour y revenir ou avancer.</translation>
    </message>
    <message>
        <source>A game ends by mate, stalemate, a threefold repetition, fifty moves without a capture or a pawn move, too little material to mate, your resignation (&lt;b&gt;Game &amp;#9656; Resign&lt;/b&gt;) or a draw the engine accepts (&lt;b&gt;Offer a draw&lt;/b&gt;): it accepts when it thinks itself a pawn or more behind.</source>
        <translation>Une partie se termine par un mat, un pat, une triple répétition, cinquante coups sans prise ni coup de pion, un matériel insuffisant pour mater, votre abandon (&lt;b&gt;Partie &amp;#9656; Abandonner&lt;/b&gt;) ou une nulle acceptée par l&apos;ordinateur (&lt;b&gt;Proposer la nulle&lt;/b&gt;)&#xa0;: il accepte quand il s&apos;estime en retard d&apos;un pion ou plus.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy position&lt;/b&gt; (Ctrl+C) puts the position in FEN on the clipboard; &lt;b&gt;Paste position&lt;/b&gt; (Ctrl+V) sets one up from there, or a PGN game, and the engine moves if it is its turn. &lt;b&gt;Save game as PGN&lt;/b&gt;, &lt;b&gt;Copy game&lt;/b&gt; (Ctrl+Shift+C) and &lt;b&gt;Open PGN&lt;/b&gt; keep and replay whole games, which other chess programs read too.</source>
        <translation>&lt;b&gt;Copier la position&lt;/b&gt; (Ctrl+C) met la position en FEN dans le presse-papiers&#xa0;; &lt;b&gt;Coller la position&lt;/b&gt; (Ctrl+V) en installe une depuis celui-ci, ou une partie PGN, et l&apos;ordinateur joue si c&apos;est son tour. &lt;b&gt;Enregistrer la partie en PGN&lt;/b&gt;, &lt;b&gt;Copier la partie&lt;/b&gt; (Ctrl+Maj+C) et &lt;b&gt;Ouvrir un PGN&lt;/b&gt; conservent et rejouent des parties entières, que les autres programmes d&apos;échecs lisent aussi.</translation>
    </message>
    <message>
        <source>You may also drag a piece to its square. &lt;b&gt;Move &amp;#9656; Hint&lt;/b&gt; (H) frames the engine&apos;s suggestion for your move in green. &lt;b&gt;Game &amp;#9656; Time control&lt;/b&gt; plays the next games on a clock; &lt;b&gt;View &amp;#9656; Zoom&lt;/b&gt; enlarges the whole window.</source>
        <translation>Vous pouvez aussi faire glisser une pièce sur sa case. &lt;b&gt;Coup &amp;#9656; Suggestion&lt;/b&gt; (H) encadre en vert le coup que l&apos;ordinateur vous suggère. &lt;b&gt;Partie &amp;#9656; Cadence de jeu&lt;/b&gt; fait jouer les prochaines parties à la pendule&#xa0;; &lt;b&gt;Affichage &amp;#9656; Zoom&lt;/b&gt; agrandit toute la fenêtre.</translation>
    </message>
    <message>
        <source>&amp;Time control</source>
        <translation>Ca&amp;dence de jeu</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Personnalisée…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggestion</translation>
    </message>
    <message>
        <source>Show &amp;legal moves</source>
        <translation>Afficher les &amp;coups possibles</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>No hint in this position</source>
        <translation>Aucune suggestion dans cette position</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Suggestion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Custom (%1)…</source>
        <translation>Personnalisée (%1)…</translation>
    </message>
    <message>
        <source>The time control takes effect with the next new game</source>
        <translation>La cadence s&apos;applique à partir de la prochaine partie</translation>
    </message>
    <message>
        <source>Time control</source>
        <translation>Cadence de jeu</translation>
    </message>
    <message>
        <source>Minutes for the game:</source>
        <translation>Minutes pour la partie&#xa0;:</translation>
    </message>
    <message>
        <source>Seconds added after each move:</source>
        <translation>Secondes ajoutées après chaque coup&#xa0;:</translation>
    </message>
    <message>
        <source>Full strength (about %1)</source>
        <translation>Pleine force (environ %1)</translation>
    </message>
    <message>
        <source>Depth 6 (about %1)</source>
        <translation>Profondeur 6 (environ %1)</translation>
    </message>
    <message>
        <source>Depth 4 (about %1)</source>
        <translation>Profondeur 4 (environ %1)</translation>
    </message>
    <message>
        <source>Depth 2 (about %1)</source>
        <translation>Profondeur 2 (environ %1)</translation>
    </message>
    <message>
        <source>Casual (about %1)</source>
        <translation>Loisir (environ %1)</translation>
    </message>
    <message>
        <source>Beginner (about %1)</source>
        <translation>Débutant (environ %1)</translation>
    </message>
    <message>
        <source>&amp;Vary the openings</source>
        <translation>Varier les ouver&amp;tures</translation>
    </message>
    <message>
        <source>Vary the openings</source>
        <translation>Varier les ouvertures</translation>
    </message>
    <message>
        <source>&lt;b&gt;Typing a move:&lt;/b&gt; press / or Ctrl+L, type the move as in e4, Nf3, exd5, O-O or e8=Q (or its squares, as in g1f3) and press Enter; the box offers the legal moves as you type. Escape leaves the box.</source>
        <translation>&lt;b&gt;Taper un coup&#xa0;:&lt;/b&gt; appuyez sur / ou Ctrl+L, tapez le coup comme e4, Cf3, exd5, O-O ou e8=D (ou ses cases, comme g1f3) et appuyez sur Entrée&#xa0;; la case propose les coups légaux pendant la frappe. Échap quitte la case.</translation>
    </message>
    <message>
        <source>&amp;Coordinates</source>
        <translation>Coor&amp;données</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>S&amp;ons</translation>
    </message>
    <message>
        <source>Standard &amp;rules (en passant, promotion to any piece)</source>
        <translation>Rè&amp;gles standard (prise en passant, promotion en toute pièce)</translation>
    </message>
    <message>
        <source>The rules take effect with the next new game or set-up</source>
        <translation>Les règles s’appliquent à la prochaine partie ou position</translation>
    </message>
    <message>
        <source>Master (about %1)</source>
        <translation>Maître (environ %1)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Check Mate!</source>
        <translation>Échec et mat&#xa0;!</translation>
    </message>
    <message>
        <source>Stale Mate!</source>
        <translation>Pat&#xa0;!</translation>
    </message>
    <message>
        <source>The piece-square tables are incomplete, the engine plays without the missing values: %1</source>
        <translation>Les tables pièce-case sont incomplètes, l&apos;ordinateur joue sans les valeurs manquantes&#xa0;: %1</translation>
    </message>
    <message>
        <source>no table file (P1.txt to Q4.txt) was found in %1 or %2</source>
        <translation>aucun fichier de table (P1.txt à Q4.txt) n&apos;a été trouvé dans %1 ni dans %2</translation>
    </message>
    <message>
        <source>no table file (P1.txt to Q4.txt) was found in %1</source>
        <translation>aucun fichier de table (P1.txt à Q4.txt) n&apos;a été trouvé dans %1</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>%1 holds only %2 of 64 values</source>
        <translation>%1 ne contient que %2 valeurs sur 64</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) does not fit 16 bits</source>
        <translation>%1&#xa0;: la valeur %2 (%3) ne tient pas sur 16 bits</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is not a whole number</source>
        <translation>%1&#xa0;: la valeur %2 (%3) n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>Cannot save the game to %1: the file cannot be written.</source>
        <translation>Impossible de sauvegarder la partie dans %1&#xa0;: le fichier ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Cannot save the game to %1: %2.</source>
        <translation>Impossible de sauvegarder la partie dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot load %1, line %2: %3. The game is unchanged.</source>
        <translation>Impossible de charger %1, ligne %2&#xa0;: %3. La partie reste inchangée.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2. The game is unchanged.</source>
        <translation>Impossible de charger %1&#xa0;: %2. La partie reste inchangée.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>the file is far too large for a saved game</source>
        <translation>le fichier est bien trop grand pour une partie sauvegardée</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not fit 16 bits</source>
        <translation>«&#xa0;%1&#xa0;» ne tient pas sur 16 bits</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>the file ends after %1 of %2 values</source>
        <translation>le fichier s&apos;arrête après %1 valeurs sur %2</translation>
    </message>
    <message>
        <source>the move count is negative</source>
        <translation>le compteur de coups est négatif</translation>
    </message>
    <message>
        <source>the border cell (%1,%2) holds %3 instead of 2</source>
        <translation>la cellule de bord (%1,%2) contient %3 au lieu de 2</translation>
    </message>
    <message>
        <source>the square (%1,%2) holds %3, which is no piece</source>
        <translation>la case (%1,%2) contient %3, qui n&apos;est pas une pièce</translation>
    </message>
    <message>
        <source>not a PGN file: it holds binary data (byte %1 on line %2)</source>
        <translation>ce n&apos;est pas un fichier PGN&#xa0;: il contient des données binaires (octet %1 à la ligne %2)</translation>
    </message>
    <message>
        <source>no game in the file</source>
        <translation>aucune partie dans le fichier</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>caractère inattendu %1</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>octet %1</translation>
    </message>
    <message>
        <source>a tag is not of the form [Name &quot;value&quot;]</source>
        <translation>une balise n&apos;a pas la forme [Nom &quot;valeur&quot;]</translation>
    </message>
    <message>
        <source>a comment &apos;{&apos; is not closed</source>
        <translation>un commentaire «&#xa0;{&#xa0;» n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>a variation &apos;(&apos; is not closed</source>
        <translation>une variante «&#xa0;(&#xa0;» n&apos;est pas fermée</translation>
    </message>
    <message>
        <source>FEN tag: %1</source>
        <translation>balise FEN&#xa0;: %1</translation>
    </message>
    <message>
        <source>move %1 (%2): %3</source>
        <translation>coup %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>illegal move</source>
        <translation>coup illégal</translation>
    </message>
    <message>
        <source>ambiguous move</source>
        <translation>coup ambigu</translation>
    </message>
    <message>
        <source>not a move</source>
        <translation>ce n&apos;est pas un coup</translation>
    </message>
    <message>
        <source>null move</source>
        <translation>coup nul</translation>
    </message>
    <message>
        <source>en passant, which the engine&apos;s rules do not have</source>
        <translation>prise en passant, que les règles de l&apos;ordinateur ne connaissent pas</translation>
    </message>
    <message>
        <source>promotion to a piece other than a queen, which the engine&apos;s rules do not have</source>
        <translation>promotion en une autre pièce qu&apos;une dame, que les règles de l&apos;ordinateur ne connaissent pas</translation>
    </message>
    <message>
        <source>the board holds something that is no piece</source>
        <translation>l&apos;échiquier porte quelque chose qui n&apos;est pas une pièce</translation>
    </message>
    <message>
        <source>set up without en passant on %1: the engine&apos;s rules have no en passant</source>
        <translation>installée sans prise en passant en %1&#xa0;: les règles de l&apos;ordinateur ne connaissent pas la prise en passant</translation>
    </message>
    <message>
        <source>the FEN&apos;s placement has %1 ranks, not 8</source>
        <translation>le placement de la FEN a %1 rangées au lieu de 8</translation>
    </message>
    <message>
        <source>rank %1 of the FEN has an unexpected %2</source>
        <translation>la rangée %1 de la FEN contient un caractère inattendu %2</translation>
    </message>
    <message>
        <source>rank %1 of the FEN has %2 squares, not 8</source>
        <translation>la rangée %1 de la FEN a %2 cases au lieu de 8</translation>
    </message>
    <message>
        <source>a FEN has the placement, the side to move and up to four more fields</source>
        <translation>une FEN se compose du placement, du camp au trait et d&apos;au plus quatre autres champs</translation>
    </message>
    <message>
        <source>the FEN&apos;s side to move must be w or b</source>
        <translation>le camp au trait de la FEN doit être w ou b</translation>
    </message>
    <message>
        <source>the FEN&apos;s castling field &apos;%1&apos; is not of KQkq or -</source>
        <translation>le champ de roque «&#xa0;%1&#xa0;» de la FEN n&apos;est pas fait de KQkq ou de -</translation>
    </message>
    <message>
        <source>the FEN&apos;s en passant square &apos;%1&apos; does not follow a pawn&apos;s double step</source>
        <translation>la case de prise en passant «&#xa0;%1&#xa0;» de la FEN ne suit pas une avance de deux cases d&apos;un pion</translation>
    </message>
    <message>
        <source>the FEN&apos;s move counters are not numbers</source>
        <translation>les compteurs de coups de la FEN ne sont pas des nombres</translation>
    </message>
    <message>
        <source>the FEN&apos;s move number starts at 1</source>
        <translation>le numéro de coup de la FEN commence à 1</translation>
    </message>
    <message>
        <source>the position has %1 and %2; it needs one of each</source>
        <translation>la position a %1 et %2&#xa0;; il en faut un de chaque</translation>
    </message>
    <message>
        <source>no white king</source>
        <translation>0 roi blanc</translation>
    </message>
    <message>
        <source>1 white king</source>
        <translation>1 roi blanc</translation>
    </message>
    <message>
        <source>%1 white kings</source>
        <translation>%1 rois blancs</translation>
    </message>
    <message>
        <source>no black king</source>
        <translation>0 roi noir</translation>
    </message>
    <message>
        <source>1 black king</source>
        <translation>1 roi noir</translation>
    </message>
    <message>
        <source>%1 black kings</source>
        <translation>%1 rois noirs</translation>
    </message>
    <message>
        <source>the position has a pawn on %1</source>
        <translation>la position a un pion en %1</translation>
    </message>
    <message>
        <source>Black is in check but it is White&apos;s move</source>
        <translation>les Noirs sont en échec alors que les Blancs ont le trait</translation>
    </message>
    <message>
        <source>White is in check but it is Black&apos;s move</source>
        <translation>les Blancs sont en échec alors que les Noirs ont le trait</translation>
    </message>
    <message>
        <source>the opening book %1 is damaged (%2); playing without it</source>
        <translation>le livre d&apos;ouvertures %1 est endommagé (%2)&#xa0;; la partie se joue sans lui</translation>
    </message>
    <message>
        <source>no opening book %1 was found; playing without it</source>
        <translation>aucun livre d&apos;ouvertures %1 n&apos;a été trouvé&#xa0;; la partie se joue sans lui</translation>
    </message>
    <message>
        <source>expected moves and then a weight from 1 to %1</source>
        <translation>des coups puis un poids de 1 à %1 étaient attendus</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a legal move here</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un coup légal ici</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>le fichier n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>K</source>
        <comment>the king in a move&apos;s notation</comment>
        <translation>R</translation>
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
        <translation>F</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the knight in a move&apos;s notation</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>%1: the standard rules (Game menu) would play it</source>
        <translation>%1&#xa0;: les règles standard (menu Partie) la joueraient</translation>
    </message>
</context>
<context>
    <name>MoveEntry</name>
    <message>
        <source>Type a move</source>
        <translation>Tapez un coup</translation>
    </message>
    <message>
        <source>Type a move such as e4, Nf3, O-O or e2e4 and press Enter (/ or Ctrl+L)</source>
        <translation>Tapez un coup comme e4, Cf3, O-O ou e2e4 et appuyez sur Entrée (/ ou Ctrl+L)</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Type your move, for example e4, Nf3, exd5, O-O or e7e8=Q, and press Enter</source>
        <translation>Tapez votre coup, par exemple e4, Cf3, exd5, O-O ou e8=D, et appuyez sur Entrée</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>The moves of the game; click one to go back or forward to it</source>
        <translation>Les coups de la partie&#xa0;; cliquez sur l&apos;un d&apos;eux pour y revenir ou y avancer</translation>
    </message>
    <message>
        <source>From a set-up position</source>
        <translation>Depuis une position composée</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Play chess against the computer.</source>
        <translation>Jouer aux échecs contre l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Start from the position FEN (quote it).</source>
        <translation>Partir de la position FEN (entre guillemets).</translation>
    </message>
    <message>
        <source>Show the window in the language CODE (de, en, es, fr); by default the system&apos;s.</source>
        <translation>Afficher la fenêtre dans la langue CODE (de, en, es, fr)&#xa0;; par défaut celle du système.</translation>
    </message>
    <message>
        <source>Open the game of a PGN file.</source>
        <translation>Ouvrir la partie d&apos;un fichier PGN.</translation>
    </message>
    <message>
        <source>give one PGN file or one --fen, not more</source>
        <translation>indiquez un seul fichier PGN ou un seul --fen</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>[FILE.pgn]</source>
        <translation>[FICHIER.pgn]</translation>
    </message>
    <message>
        <source>Play on a clock: M minutes (decimals allowed) plus S seconds a move.</source>
        <translation>Jouer à la pendule&#xa0;: M minutes (décimales permises) plus S secondes par coup.</translation>
    </message>
    <message>
        <source>Show the board at PERCENT: 100, 150, 200 or 300.</source>
        <translation>Afficher l&apos;échiquier à PERCENT&#xa0;: 100, 150, 200 ou 300.</translation>
    </message>
    <message>
        <source>--zoom takes 100, 150, 200 or 300, not %1</source>
        <translation>--zoom accepte 100, 150, 200 ou 300, pas %1</translation>
    </message>
    <message>
        <source>--clock takes minutes and seconds a move, as in 5+0 or 0.5+1, not %1</source>
        <translation>--clock accepte des minutes et des secondes par coup, comme 5+0 ou 0.5+1, pas %1</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Checkmate — you win</source>
        <translation>Échec et mat — vous gagnez</translation>
    </message>
    <message>
        <source>Checkmate — Ostrand wins</source>
        <translation>Échec et mat — Ostrand gagne</translation>
    </message>
    <message>
        <source>Stalemate — draw</source>
        <translation>Pat — partie nulle</translation>
    </message>
    <message>
        <source>Check!</source>
        <translation>Échec&#xa0;!</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>That piece cannot move there</source>
        <translation>Cette pièce ne peut pas aller là</translation>
    </message>
    <message>
        <source>Your king would be in check</source>
        <translation>Votre roi serait en échec</translation>
    </message>
    <message>
        <source>You resigned — Ostrand wins</source>
        <translation>Vous avez abandonné — Ostrand gagne</translation>
    </message>
    <message>
        <source>Draw agreed</source>
        <translation>Nulle par accord mutuel</translation>
    </message>
    <message>
        <source>Draw by threefold repetition</source>
        <translation>Nulle par triple répétition</translation>
    </message>
    <message>
        <source>Draw by the fifty-move rule</source>
        <translation>Nulle par la règle des cinquante coups</translation>
    </message>
    <message>
        <source>Draw by insufficient material</source>
        <translation>Nulle par manque de matériel</translation>
    </message>
    <message>
        <source>The game is over: start a new game</source>
        <translation>La partie est terminée&#xa0;: commencez-en une nouvelle</translation>
    </message>
    <message>
        <source>Your time is up — Ostrand wins</source>
        <translation>Votre temps est écoulé — Ostrand gagne</translation>
    </message>
    <message>
        <source>Your time is up, but Ostrand cannot mate — draw</source>
        <translation>Votre temps est écoulé, mais Ostrand ne peut pas mater — partie nulle</translation>
    </message>
    <message>
        <source>Ostrand&apos;s time is up — you win</source>
        <translation>Le temps d&apos;Ostrand est écoulé — vous gagnez</translation>
    </message>
    <message>
        <source>Ostrand&apos;s time is up, but you cannot mate — draw</source>
        <translation>Le temps d&apos;Ostrand est écoulé, mais vous ne pouvez pas mater — partie nulle</translation>
    </message>
    <message>
        <source>The board holds no chess position</source>
        <translation>L&apos;échiquier ne porte pas de position d&apos;échecs</translation>
    </message>
    <message>
        <source>That is no move: type, for example, e4, Nf3 or O-O</source>
        <translation>Ce n&apos;est pas un coup&#xa0;: tapez par exemple e4, Cf3 ou O-O</translation>
    </message>
    <message>
        <source>More than one piece can make that move: add its file or rank, as in Nbd2</source>
        <translation>Plusieurs pièces peuvent jouer ce coup&#xa0;: ajoutez sa colonne ou sa rangée, comme dans Cbd2</translation>
    </message>
    <message>
        <source>A pawn can only be promoted to a queen</source>
        <translation>Un pion ne peut être promu qu&apos;en dame</translation>
    </message>
    <message>
        <source>Name the piece the pawn becomes, as in e8=N</source>
        <translation>Indiquez la pièce que devient le pion, comme dans e8=N</translation>
    </message>
</context>
</TS>
