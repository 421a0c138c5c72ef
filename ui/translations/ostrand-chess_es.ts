<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>white pawn</source>
        <translation>peón blanco</translation>
    </message>
    <message>
        <source>black pawn</source>
        <translation>peón negro</translation>
    </message>
    <message>
        <source>white knight</source>
        <translation>caballo blanco</translation>
    </message>
    <message>
        <source>black knight</source>
        <translation>caballo negro</translation>
    </message>
    <message>
        <source>white bishop</source>
        <translation>alfil blanco</translation>
    </message>
    <message>
        <source>black bishop</source>
        <translation>alfil negro</translation>
    </message>
    <message>
        <source>white rook</source>
        <translation>torre blanca</translation>
    </message>
    <message>
        <source>black rook</source>
        <translation>torre negra</translation>
    </message>
    <message>
        <source>white queen</source>
        <translation>dama blanca</translation>
    </message>
    <message>
        <source>black queen</source>
        <translation>dama negra</translation>
    </message>
    <message>
        <source>white king</source>
        <translation>rey blanco</translation>
    </message>
    <message>
        <source>black king</source>
        <translation>rey negro</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Chess board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Moves of the game</source>
        <translation>Jugadas de la partida</translation>
    </message>
    <message>
        <source>The game&apos;s moves in pairs, yours and the engine&apos;s</source>
        <translation>Las jugadas de la partida por pares, las tuyas y las del ordenador</translation>
    </message>
    <message>
        <source>How the game stands</source>
        <translation>Cómo va la partida</translation>
    </message>
    <message>
        <source>%1%2, %3</source>
        <translation>%1%2, %3</translation>
    </message>
    <message>
        <source>Ostrand plays %1. %2</source>
        <translation>Ostrand juega %1. %2</translation>
    </message>
    <message>
        <source>Click one of your pieces, then its square; or press / and type the move</source>
        <translation>Haz clic en una de tus piezas y luego en su casilla; o pulsa / y escribe la jugada</translation>
    </message>
</context>
<context>
    <name>ChessClock</name>
    <message>
        <source>Your time left</source>
        <translation>Tu tiempo restante</translation>
    </message>
    <message>
        <source>The engine&apos;s time left</source>
        <translation>El tiempo restante del ordenador</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Tú: %1</translation>
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
        <translation>Partidas PGN (*.pgn *.PGN);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open PGN</source>
        <translation>Abrir PGN</translation>
    </message>
    <message>
        <source>Save game as PGN</source>
        <translation>Guardar partida como PGN</translation>
    </message>
    <message>
        <source>The file holds several games. Which one shall be played?</source>
        <translation>El archivo contiene varias partidas. ¿Cuál se juega?</translation>
    </message>
    <message>
        <source>The board holds no chess position: %1.</source>
        <translation>El tablero no contiene una posición de ajedrez: %1.</translation>
    </message>
    <message>
        <source>Copy position</source>
        <translation>Copiar posición</translation>
    </message>
    <message>
        <source>Position copied</source>
        <translation>Posición copiada</translation>
    </message>
    <message>
        <source>Copy game</source>
        <translation>Copiar partida</translation>
    </message>
    <message>
        <source>Game copied</source>
        <translation>Partida copiada</translation>
    </message>
    <message>
        <source>the pasted game</source>
        <translation>la partida pegada</translation>
    </message>
    <message>
        <source>Set up position</source>
        <translation>Preparar posición</translation>
    </message>
    <message>
        <source>“%1” is no chess position: %2.</source>
        <translation>«%1» no es una posición de ajedrez: %2.</translation>
    </message>
    <message>
        <source>%1, game %2</source>
        <translation>%1, partida %2</translation>
    </message>
    <message>
        <source>Cannot play %1.

At %2.</source>
        <translation>No se puede jugar %1.

En %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 abierto</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
</context>
<context>
    <name>F_Board</name>
    <message>
        <source>Nodes/Sec: </source>
        <translation>Nodos/s: </translation>
    </message>
    <message>
        <source>Nodes: </source>
        <translation>Nodos: </translation>
    </message>
    <message>
        <source>Best Value: </source>
        <translation>Mejor valor: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Tiempo: </translation>
    </message>
    <message>
        <source>State: </source>
        <translation>Fase: </translation>
    </message>
    <message>
        <source>Engine progress:</source>
        <translation>Búsqueda:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Ostrand Chess by the Ostrand developers</source>
        <translation>Ostrand Chess, de los desarrolladores de Ostrand</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>✎</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Start a new game; you choose your colour</source>
        <translation>Empezar una partida nueva; eliges tu color</translation>
    </message>
    <message>
        <source>Save the game, replacing the last save</source>
        <translation>Guardar la partida en lugar de la última guardada</translation>
    </message>
    <message>
        <source>Go back to the game last saved</source>
        <translation>Volver a la última partida guardada</translation>
    </message>
    <message>
        <source>Make the engine play a move for its side now</source>
        <translation>Hacer que el ordenador juegue ahora por su bando</translation>
    </message>
    <message>
        <source>Turn the board display upside down, or back</source>
        <translation>Girar el tablero, o devolverlo a su posición</translation>
    </message>
    <message>
        <source>Set up a position: clicks on the board place the palette&apos;s piece</source>
        <translation>Preparar una posición: cada clic en el tablero coloca la pieza de la paleta</translation>
    </message>
    <message>
        <source>Place the engine&apos;s pawn, then click squares</source>
        <translation>Colocar un peón del ordenador; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place the engine&apos;s knight, then click squares</source>
        <translation>Colocar un caballo del ordenador; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place the engine&apos;s bishop, then click squares</source>
        <translation>Colocar un alfil del ordenador; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place the engine&apos;s rook, then click squares</source>
        <translation>Colocar una torre del ordenador; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place the engine&apos;s queen, then click squares</source>
        <translation>Colocar una dama del ordenador; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place the engine&apos;s king, then click squares</source>
        <translation>Colocar el rey del ordenador; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place your pawn, then click squares</source>
        <translation>Colocar un peón tuyo; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place your knight, then click squares</source>
        <translation>Colocar un caballo tuyo; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place your bishop, then click squares</source>
        <translation>Colocar un alfil tuyo; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place your rook, then click squares</source>
        <translation>Colocar una torre tuya; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place your queen, then click squares</source>
        <translation>Colocar una dama tuya; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Place your king, then click squares</source>
        <translation>Colocar tu rey; después, haz clic en casillas</translation>
    </message>
    <message>
        <source>Eraser: empty the squares you click</source>
        <translation>Goma: vacía las casillas en las que haces clic</translation>
    </message>
    <message>
        <source>The engine&apos;s colour</source>
        <translation>El color del ordenador</translation>
    </message>
    <message>
        <source>Your colour</source>
        <translation>Tu color</translation>
    </message>
    <message>
        <source>Open the project&apos;s web page</source>
        <translation>Abrir la página web del proyecto</translation>
    </message>
    <message>
        <source>What the engine&apos;s search has done for its last move</source>
        <translation>Lo que ha hecho la búsqueda del ordenador para su última jugada</translation>
    </message>
    <message>
        <source>Positions the engine has looked at for its move</source>
        <translation>Posiciones que el ordenador ha examinado para su jugada</translation>
    </message>
    <message>
        <source>The best score found so far, in hundredths of a pawn for the engine</source>
        <translation>La mejor valoración hallada hasta ahora, en centésimas de peón para el ordenador</translation>
    </message>
    <message>
        <source>Seconds the engine has been thinking</source>
        <translation>Segundos que lleva pensando el ordenador</translation>
    </message>
    <message>
        <source>Positions looked at per second</source>
        <translation>Posiciones examinadas por segundo</translation>
    </message>
    <message>
        <source>Game stage (1 opening to 4 endgame); after the move, the engine&apos;s score of the position</source>
        <translation>Fase de la partida (de 1 apertura a 4 final); tras la jugada, la valoración de la posición por el ordenador</translation>
    </message>
    <message>
        <source>How far the engine&apos;s deeper searches have come</source>
        <translation>Cuánto han avanzado las búsquedas más profundas del ordenador</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Would you like to play whites?</source>
        <translation>¿Quieres jugar con blancas?</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>Rook</source>
        <translation>Torre</translation>
    </message>
    <message>
        <source>Bishop</source>
        <translation>Alfil</translation>
    </message>
    <message>
        <source>Knight</source>
        <translation>Caballo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or any later version.</source>
        <translation>Software libre bajo la GNU General Public License, versión 3 o cualquier versión posterior.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Moving:&lt;/b&gt; click one of your pieces (it is framed in red), then the square it goes to. The engine answers at once and its move is framed in blue. Castle by moving the king two squares. A refused move is explained in the status line.</source>
        <translation>&lt;b&gt;Mover:&lt;/b&gt; haz clic en una de tus piezas (se enmarca en rojo) y después en la casilla de destino. El ordenador responde enseguida y su jugada se enmarca en azul. Para enrocar, mueve el rey dos casillas. Si una jugada no se acepta, la barra de estado explica por qué.</translation>
    </message>
    <message>
        <source>&lt;b&gt;New&lt;/b&gt; starts a game and asks for your colour; &lt;b&gt;Save&lt;/b&gt; and &lt;b&gt;Load&lt;/b&gt; keep one game. &lt;b&gt;Force&lt;/b&gt; makes the engine move for its side now, and &lt;b&gt;&amp;lt;&lt;/b&gt; turns the board round. The two swatches show the engine&apos;s colour (upper) and yours (lower).</source>
        <translation>&lt;b&gt;Nueva&lt;/b&gt; empieza una partida y pregunta tu color; &lt;b&gt;Guardar&lt;/b&gt; y &lt;b&gt;Cargar&lt;/b&gt; conservan una partida. &lt;b&gt;Jugar&lt;/b&gt; hace que el ordenador juegue ahora por su bando, y &lt;b&gt;&amp;lt;&lt;/b&gt; gira el tablero. Las dos muestras de color indican el del ordenador (arriba) y el tuyo (abajo).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Edit&lt;/b&gt; and the palette set up any position: click a palette piece (the left column places the engine&apos;s pieces, the right one yours), then squares; the blank box erases. Untick Edit to play on.</source>
        <translation>&lt;b&gt;✎&lt;/b&gt; y la paleta preparan cualquier posición: haz clic en una pieza de la paleta (la columna izquierda coloca las piezas del ordenador, la derecha las tuyas) y después en casillas; la casilla vacía borra. Desmarca ✎ para seguir jugando.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Take back&lt;/b&gt; (Ctrl+Z) undoes your last move with the engine&apos;s answer, an edit, a load, a paste or Force; &lt;b&gt;Redo&lt;/b&gt; (Ctrl+Shift+Z) plays it again. While the engine thinks, &lt;b&gt;Space&lt;/b&gt; makes it move at once. &lt;b&gt;Move &amp;#9656; Level&lt;/b&gt; chooses an easier opponent.</source>
        <translation>&lt;b&gt;Deshacer jugada&lt;/b&gt; (Ctrl+Z) deshace tu última jugada con la respuesta del ordenador, una edición, una carga, un pegado o Jugar; &lt;b&gt;Rehacer&lt;/b&gt; (Ctrl+Mayús+Z) la vuelve a jugar. Mientras el ordenador piensa, la tecla &lt;b&gt;Espacio&lt;/b&gt; le hace jugar enseguida. &lt;b&gt;Jugada &amp;#9656; Nivel&lt;/b&gt; elige un rival más fácil.</translation>
    </message>
    <message>
        <source>Thinking… depth %1</source>
        <translation>Pensando… profundidad %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nueva…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;Copy position</source>
        <translation>C&amp;opiar posición</translation>
    </message>
    <message>
        <source>&amp;Paste position</source>
        <translation>P&amp;egar posición</translation>
    </message>
    <message>
        <source>&amp;Open PGN…</source>
        <translation>&amp;Abrir PGN…</translation>
    </message>
    <message>
        <source>Save game as P&amp;GN…</source>
        <translation>Guardar partida como &amp;PGN…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Jugada</translation>
    </message>
    <message>
        <source>&amp;Take back</source>
        <translation>&amp;Deshacer jugada</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Move &amp;now</source>
        <translation>Jugar &amp;ya</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Rotate board</source>
        <translation>&amp;Girar tablero</translation>
    </message>
    <message>
        <source>Show &amp;statistics</source>
        <translation>Mostrar &amp;estadísticas</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;How to play</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>&amp;About Ostrand Chess</source>
        <translation>&amp;Acerca de Ostrand Chess</translation>
    </message>
    <message>
        <source>The language changes when Ostrand Chess starts again</source>
        <translation>El idioma cambiará la próxima vez que se inicie Ostrand Chess</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>About Ostrand Chess</source>
        <translation>Acerca de Ostrand Chess</translation>
    </message>
    <message>
        <source>A chess program in which you play against the computer.</source>
        <translation>Un programa de ajedrez en el que juegas contra el ordenador.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardada en %1</translation>
    </message>
    <message>
        <source>Loaded from %1</source>
        <translation>Cargada desde %1</translation>
    </message>
    <message>
        <source>Copy &amp;game</source>
        <translation>Copiar pa&amp;rtida</translation>
    </message>
    <message>
        <source>Offer a &amp;draw</source>
        <translation>Ofrecer &amp;tablas</translation>
    </message>
    <message>
        <source>R&amp;esign</source>
        <translation>Ren&amp;dirse</translation>
    </message>
    <message>
        <source>Go to the &amp;start</source>
        <translation>Ir al &amp;principio</translation>
    </message>
    <message>
        <source>Go to the &amp;end</source>
        <translation>Ir al &amp;final</translation>
    </message>
    <message>
        <source>Move &amp;list</source>
        <translation>&amp;Lista de jugadas</translation>
    </message>
    <message>
        <source>The engine declines the draw</source>
        <translation>El ordenador rechaza las tablas</translation>
    </message>
    <message>
        <source>The &lt;b&gt;move list&lt;/b&gt; beside the board shows the game; click a move, or press Left, Right, Home or End, to go back or forward through it.</source>
        <translation>La &lt;b&gt;lista de jugadas&lt;/b&gt; junto al tablero muestra la partida; haz clic en una jugada, o pulsa Izquierda, Derecha, Inicio o Fin, para volver o avanzar por ella.</translation>
    </message>
    <message>
        <source>A game ends by mate, stalemate, a threefold repetition, fifty moves without a capture or a pawn move, too little material to mate, your resignation (&lt;b&gt;Game &amp;#9656; Resign&lt;/b&gt;) or a draw the engine accepts (&lt;b&gt;Offer a draw&lt;/b&gt;): it accepts when it thinks itself a pawn or more behind.</source>
        <translation>Una partida termina por mate, rey ahogado, triple repetición, cincuenta jugadas sin captura ni movimiento de peón, material insuficiente para dar mate, tu rendición (&lt;b&gt;Partida &amp;#9656; Rendirse&lt;/b&gt;) o unas tablas que acepta el ordenador (&lt;b&gt;Ofrecer tablas&lt;/b&gt;): las acepta cuando se ve un peón o más por detrás.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy position&lt;/b&gt; (Ctrl+C) puts the position in FEN on the clipboard; &lt;b&gt;Paste position&lt;/b&gt; (Ctrl+V) sets one up from there, or a PGN game, and the engine moves if it is its turn. &lt;b&gt;Save game as PGN&lt;/b&gt;, &lt;b&gt;Copy game&lt;/b&gt; (Ctrl+Shift+C) and &lt;b&gt;Open PGN&lt;/b&gt; keep and replay whole games, which other chess programs read too.</source>
        <translation>&lt;b&gt;Copiar posición&lt;/b&gt; (Ctrl+C) pone la posición en FEN en el portapapeles; &lt;b&gt;Pegar posición&lt;/b&gt; (Ctrl+V) prepara una desde allí, o una partida PGN, y el ordenador juega si le toca. &lt;b&gt;Guardar partida como PGN&lt;/b&gt;, &lt;b&gt;Copiar partida&lt;/b&gt; (Ctrl+Mayús+C) y &lt;b&gt;Abrir PGN&lt;/b&gt; conservan y reproducen partidas enteras, que también leen otros programas de ajedrez.</translation>
    </message>
    <message>
        <source>You may also drag a piece to its square. &lt;b&gt;Move &amp;#9656; Hint&lt;/b&gt; (H) frames the engine&apos;s suggestion for your move in green. &lt;b&gt;Game &amp;#9656; Time control&lt;/b&gt; plays the next games on a clock; &lt;b&gt;View &amp;#9656; Zoom&lt;/b&gt; enlarges the whole window.</source>
        <translation>También puedes arrastrar una pieza a su casilla. &lt;b&gt;Jugada &amp;#9656; Pista&lt;/b&gt; (H) enmarca en verde la jugada que te sugiere el ordenador. &lt;b&gt;Partida &amp;#9656; Control de tiempo&lt;/b&gt; juega las próximas partidas con reloj; &lt;b&gt;Ver &amp;#9656; Zoom&lt;/b&gt; amplía toda la ventana.</translation>
    </message>
    <message>
        <source>&amp;Time control</source>
        <translation>Control de tie&amp;mpo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Personalizado…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Pi&amp;sta</translation>
    </message>
    <message>
        <source>Show &amp;legal moves</source>
        <translation>Mostrar las &amp;jugadas posibles</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>No hint in this position</source>
        <translation>No hay pista en esta posición</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Pista: %1</translation>
    </message>
    <message>
        <source>Custom (%1)…</source>
        <translation>Personalizado (%1)…</translation>
    </message>
    <message>
        <source>The time control takes effect with the next new game</source>
        <translation>El control de tiempo se aplica desde la próxima partida nueva</translation>
    </message>
    <message>
        <source>Time control</source>
        <translation>Control de tiempo</translation>
    </message>
    <message>
        <source>Minutes for the game:</source>
        <translation>Minutos para la partida:</translation>
    </message>
    <message>
        <source>Seconds added after each move:</source>
        <translation>Segundos añadidos tras cada jugada:</translation>
    </message>
    <message>
        <source>Full strength (about %1)</source>
        <translation>Máxima fuerza (unos %1)</translation>
    </message>
    <message>
        <source>Depth 6 (about %1)</source>
        <translation>Profundidad 6 (unos %1)</translation>
    </message>
    <message>
        <source>Depth 4 (about %1)</source>
        <translation>Profundidad 4 (unos %1)</translation>
    </message>
    <message>
        <source>Depth 2 (about %1)</source>
        <translation>Profundidad 2 (unos %1)</translation>
    </message>
    <message>
        <source>Casual (about %1)</source>
        <translation>Aficionado (unos %1)</translation>
    </message>
    <message>
        <source>Beginner (about %1)</source>
        <translation>Principiante (unos %1)</translation>
    </message>
    <message>
        <source>&amp;Vary the openings</source>
        <translation>&amp;Variar las aperturas</translation>
    </message>
    <message>
        <source>Vary the openings</source>
        <translation>Variar las aperturas</translation>
    </message>
    <message>
        <source>&lt;b&gt;Typing a move:&lt;/b&gt; press / or Ctrl+L, type the move as in e4, Nf3, exd5, O-O or e8=Q (or its squares, as in g1f3) and press Enter; the box offers the legal moves as you type. Escape leaves the box.</source>
        <translation>&lt;b&gt;Escribir una jugada:&lt;/b&gt; pulsa / o Ctrl+L, escribe la jugada como e4, Cf3, exd5, O-O o e8=D (o sus casillas, como g1f3) y pulsa Intro; el cuadro ofrece las jugadas legales mientras escribes. Escape sale del cuadro.</translation>
    </message>
    <message>
        <source>&amp;Coordinates</source>
        <translation>&amp;Coordenadas</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>Standard &amp;rules (en passant, promotion to any piece)</source>
        <translation>Reg&amp;las estándar (al paso, coronación en cualquier pieza)</translation>
    </message>
    <message>
        <source>The rules take effect with the next new game or set-up</source>
        <translation>Las reglas se aplican desde la próxima partida o posición</translation>
    </message>
    <message>
        <source>Master (about %1)</source>
        <translation>Maestro (unos %1)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Check Mate!</source>
        <translation>¡Jaque mate!</translation>
    </message>
    <message>
        <source>Stale Mate!</source>
        <translation>¡Rey ahogado!</translation>
    </message>
    <message>
        <source>The piece-square tables are incomplete, the engine plays without the missing values: %1</source>
        <translation>Las tablas de pieza y casilla están incompletas; el ordenador juega sin los valores que faltan: %1</translation>
    </message>
    <message>
        <source>no table file (P1.txt to Q4.txt) was found in %1 or %2</source>
        <translation>no se encontró ningún archivo de tablas (de P1.txt a Q4.txt) en %1 ni en %2</translation>
    </message>
    <message>
        <source>no table file (P1.txt to Q4.txt) was found in %1</source>
        <translation>no se encontró ningún archivo de tablas (de P1.txt a Q4.txt) en %1</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>%1 holds only %2 of 64 values</source>
        <translation>%1 solo contiene %2 de 64 valores</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) does not fit 16 bits</source>
        <translation>%1: el valor %2 (%3) no cabe en 16 bits</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is not a whole number</source>
        <translation>%1: el valor %2 (%3) no es un número entero</translation>
    </message>
    <message>
        <source>Cannot save the game to %1: the file cannot be written.</source>
        <translation>No se puede guardar la partida en %1: no se puede escribir el archivo.</translation>
    </message>
    <message>
        <source>Cannot save the game to %1: %2.</source>
        <translation>No se puede guardar la partida en %1: %2.</translation>
    </message>
    <message>
        <source>Cannot load %1, line %2: %3. The game is unchanged.</source>
        <translation>No se puede cargar %1, línea %2: %3. La partida no cambia.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2. The game is unchanged.</source>
        <translation>No se puede cargar %1: %2. La partida no cambia.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>the file is far too large for a saved game</source>
        <translation>el archivo es demasiado grande para una partida guardada</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not fit 16 bits</source>
        <translation>«%1» no cabe en 16 bits</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number</source>
        <translation>«%1» no es un número entero</translation>
    </message>
    <message>
        <source>the file ends after %1 of %2 values</source>
        <translation>el archivo termina tras %1 de %2 valores</translation>
    </message>
    <message>
        <source>the move count is negative</source>
        <translation>el contador de jugadas es negativo</translation>
    </message>
    <message>
        <source>the border cell (%1,%2) holds %3 instead of 2</source>
        <translation>la celda del borde (%1,%2) contiene %3 en lugar de 2</translation>
    </message>
    <message>
        <source>the square (%1,%2) holds %3, which is no piece</source>
        <translation>la casilla (%1,%2) contiene %3, que no es ninguna pieza</translation>
    </message>
    <message>
        <source>not a PGN file: it holds binary data (byte %1 on line %2)</source>
        <translation>no es un archivo PGN: contiene datos binarios (byte %1 en la línea %2)</translation>
    </message>
    <message>
        <source>no game in the file</source>
        <translation>no hay ninguna partida en el archivo</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>carácter inesperado %1</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>byte %1</translation>
    </message>
    <message>
        <source>a tag is not of the form [Name &quot;value&quot;]</source>
        <translation>una etiqueta no tiene la forma [Nombre &quot;valor&quot;]</translation>
    </message>
    <message>
        <source>a comment &apos;{&apos; is not closed</source>
        <translation>un comentario «{» no está cerrado</translation>
    </message>
    <message>
        <source>a variation &apos;(&apos; is not closed</source>
        <translation>una variante «(» no está cerrada</translation>
    </message>
    <message>
        <source>FEN tag: %1</source>
        <translation>etiqueta FEN: %1</translation>
    </message>
    <message>
        <source>move %1 (%2): %3</source>
        <translation>jugada %1 (%2): %3</translation>
    </message>
    <message>
        <source>illegal move</source>
        <translation>jugada ilegal</translation>
    </message>
    <message>
        <source>ambiguous move</source>
        <translation>jugada ambigua</translation>
    </message>
    <message>
        <source>not a move</source>
        <translation>no es una jugada</translation>
    </message>
    <message>
        <source>null move</source>
        <translation>jugada nula</translation>
    </message>
    <message>
        <source>en passant, which the engine&apos;s rules do not have</source>
        <translation>captura al paso, que las reglas del ordenador no tienen</translation>
    </message>
    <message>
        <source>promotion to a piece other than a queen, which the engine&apos;s rules do not have</source>
        <translation>coronación en una pieza que no es una dama, que las reglas del ordenador no tienen</translation>
    </message>
    <message>
        <source>the board holds something that is no piece</source>
        <translation>en el tablero hay algo que no es una pieza</translation>
    </message>
    <message>
        <source>set up without en passant on %1: the engine&apos;s rules have no en passant</source>
        <translation>preparada sin captura al paso en %1: las reglas del ordenador no tienen captura al paso</translation>
    </message>
    <message>
        <source>the FEN&apos;s placement has %1 ranks, not 8</source>
        <translation>la colocación de la FEN tiene %1 filas en lugar de 8</translation>
    </message>
    <message>
        <source>rank %1 of the FEN has an unexpected %2</source>
        <translation>la fila %1 de la FEN tiene un carácter inesperado %2</translation>
    </message>
    <message>
        <source>rank %1 of the FEN has %2 squares, not 8</source>
        <translation>la fila %1 de la FEN tiene %2 casillas en lugar de 8</translation>
    </message>
    <message>
        <source>a FEN has the placement, the side to move and up to four more fields</source>
        <translation>una FEN tiene la colocación, el bando que mueve y hasta cuatro campos más</translation>
    </message>
    <message>
        <source>the FEN&apos;s side to move must be w or b</source>
        <translation>el bando que mueve en la FEN debe ser w o b</translation>
    </message>
    <message>
        <source>the FEN&apos;s castling field &apos;%1&apos; is not of KQkq or -</source>
        <translation>el campo de enroque «%1» de la FEN no está hecho de KQkq o -</translation>
    </message>
    <message>
        <source>the FEN&apos;s en passant square &apos;%1&apos; does not follow a pawn&apos;s double step</source>
        <translation>la casilla al paso «%1» de la FEN no sigue a un avance doble de peón</translation>
    </message>
    <message>
        <source>the FEN&apos;s move counters are not numbers</source>
        <translation>los contadores de jugadas de la FEN no son números</translation>
    </message>
    <message>
        <source>the FEN&apos;s move number starts at 1</source>
        <translation>el número de jugada de la FEN empieza en 1</translation>
    </message>
    <message>
        <source>the position has %1 and %2; it needs one of each</source>
        <translation>la posición tiene %1 y %2; necesita uno de cada</translation>
    </message>
    <message>
        <source>no white king</source>
        <translation>0 reyes blancos</translation>
    </message>
    <message>
        <source>1 white king</source>
        <translation>1 rey blanco</translation>
    </message>
    <message>
        <source>%1 white kings</source>
        <translation>%1 reyes blancos</translation>
    </message>
    <message>
        <source>no black king</source>
        <translation>0 reyes negros</translation>
    </message>
    <message>
        <source>1 black king</source>
        <translation>1 rey negro</translation>
    </message>
    <message>
        <source>%1 black kings</source>
        <translation>%1 reyes negros</translation>
    </message>
    <message>
        <source>the position has a pawn on %1</source>
        <translation>la posición tiene un peón en %1</translation>
    </message>
    <message>
        <source>Black is in check but it is White&apos;s move</source>
        <translation>las negras están en jaque pero mueven las blancas</translation>
    </message>
    <message>
        <source>White is in check but it is Black&apos;s move</source>
        <translation>las blancas están en jaque pero mueven las negras</translation>
    </message>
    <message>
        <source>the opening book %1 is damaged (%2); playing without it</source>
        <translation>el libro de aperturas %1 está dañado (%2); se juega sin él</translation>
    </message>
    <message>
        <source>no opening book %1 was found; playing without it</source>
        <translation>no se encontró el libro de aperturas %1; se juega sin él</translation>
    </message>
    <message>
        <source>expected moves and then a weight from 1 to %1</source>
        <translation>se esperaban jugadas y luego un peso de 1 a %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a legal move here</source>
        <translation>«%1» no es una jugada legal aquí</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>no se pudo leer el archivo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2</source>
        <translation>«%1»: %2</translation>
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
        <translation>A</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the knight in a move&apos;s notation</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>%1: the standard rules (Game menu) would play it</source>
        <translation>%1: las reglas estándar (menú Partida) la jugarían</translation>
    </message>
</context>
<context>
    <name>MoveEntry</name>
    <message>
        <source>Type a move</source>
        <translation>Escribe una jugada</translation>
    </message>
    <message>
        <source>Type a move such as e4, Nf3, O-O or e2e4 and press Enter (/ or Ctrl+L)</source>
        <translation>Escribe una jugada como e4, Cf3, O-O o e2e4 y pulsa Intro (/ o Ctrl+L)</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>Type your move, for example e4, Nf3, exd5, O-O or e7e8=Q, and press Enter</source>
        <translation>Escribe tu jugada, por ejemplo e4, Cf3, exd5, O-O o e8=D, y pulsa Intro</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>The moves of the game; click one to go back or forward to it</source>
        <translation>Las jugadas de la partida; haz clic en una para volver o avanzar hasta ella</translation>
    </message>
    <message>
        <source>From a set-up position</source>
        <translation>Desde una posición preparada</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Play chess against the computer.</source>
        <translation>Jugar al ajedrez contra el ordenador.</translation>
    </message>
    <message>
        <source>Start from the position FEN (quote it).</source>
        <translation>Empezar desde la posición FEN (entre comillas).</translation>
    </message>
    <message>
        <source>Show the window in the language CODE (de, en, es, fr); by default the system&apos;s.</source>
        <translation>Mostrar la ventana en el idioma CODE (de, en, es, fr); por omisión, el del sistema.</translation>
    </message>
    <message>
        <source>Open the game of a PGN file.</source>
        <translation>Abrir la partida de un archivo PGN.</translation>
    </message>
    <message>
        <source>give one PGN file or one --fen, not more</source>
        <translation>indica un solo archivo PGN o un solo --fen</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>[FILE.pgn]</source>
        <translation>[ARCHIVO.pgn]</translation>
    </message>
    <message>
        <source>Play on a clock: M minutes (decimals allowed) plus S seconds a move.</source>
        <translation>Jugar con reloj: M minutos (se admiten decimales) más S segundos por jugada.</translation>
    </message>
    <message>
        <source>Show the board at PERCENT: 100, 150, 200 or 300.</source>
        <translation>Mostrar el tablero al PERCENT: 100, 150, 200 o 300.</translation>
    </message>
    <message>
        <source>--zoom takes 100, 150, 200 or 300, not %1</source>
        <translation>--zoom admite 100, 150, 200 o 300, no %1</translation>
    </message>
    <message>
        <source>--clock takes minutes and seconds a move, as in 5+0 or 0.5+1, not %1</source>
        <translation>--clock admite minutos y segundos por jugada, como 5+0 o 0.5+1, no %1</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>Checkmate — you win</source>
        <translation>Jaque mate — ganas tú</translation>
    </message>
    <message>
        <source>Checkmate — Ostrand wins</source>
        <translation>Jaque mate — gana Ostrand</translation>
    </message>
    <message>
        <source>Stalemate — draw</source>
        <translation>Rey ahogado — tablas</translation>
    </message>
    <message>
        <source>Check!</source>
        <translation>¡Jaque!</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Te toca mover</translation>
    </message>
    <message>
        <source>That piece cannot move there</source>
        <translation>Esa pieza no puede ir ahí</translation>
    </message>
    <message>
        <source>Your king would be in check</source>
        <translation>Tu rey quedaría en jaque</translation>
    </message>
    <message>
        <source>You resigned — Ostrand wins</source>
        <translation>Te has rendido — gana Ostrand</translation>
    </message>
    <message>
        <source>Draw agreed</source>
        <translation>Tablas de mutuo acuerdo</translation>
    </message>
    <message>
        <source>Draw by threefold repetition</source>
        <translation>Tablas por triple repetición</translation>
    </message>
    <message>
        <source>Draw by the fifty-move rule</source>
        <translation>Tablas por la regla de los cincuenta movimientos</translation>
    </message>
    <message>
        <source>Draw by insufficient material</source>
        <translation>Tablas por material insuficiente</translation>
    </message>
    <message>
        <source>The game is over: start a new game</source>
        <translation>La partida ha terminado: empieza una nueva</translation>
    </message>
    <message>
        <source>Your time is up — Ostrand wins</source>
        <translation>Se te acabó el tiempo — gana Ostrand</translation>
    </message>
    <message>
        <source>Your time is up, but Ostrand cannot mate — draw</source>
        <translation>Se te acabó el tiempo, pero Ostrand no puede dar mate — tablas</translation>
    </message>
    <message>
        <source>Ostrand&apos;s time is up — you win</source>
        <translation>A Ostrand se le acabó el tiempo — ganas tú</translation>
    </message>
    <message>
        <source>Ostrand&apos;s time is up, but you cannot mate — draw</source>
        <translation>A Ostrand se le acabó el tiempo, pero tú no puedes dar mate — tablas</translation>
    </message>
    <message>
        <source>The board holds no chess position</source>
        <translation>El tablero no contiene una posición de ajedrez</translation>
    </message>
    <message>
        <source>That is no move: type, for example, e4, Nf3 or O-O</source>
        <translation>Eso no es una jugada: escribe, por ejemplo, e4, Cf3 u O-O</translation>
    </message>
    <message>
        <source>More than one piece can make that move: add its file or rank, as in Nbd2</source>
        <translation>Más de una pieza puede hacer esa jugada: añade su columna o fila, como en Cbd2</translation>
    </message>
    <message>
        <source>A pawn can only be promoted to a queen</source>
        <translation>Un peón solo puede coronar en dama</translation>
    </message>
    <message>
        <source>Name the piece the pawn becomes, as in e8=N</source>
        <translation>Indique la pieza en la que se convierte el peón, como en e8=N</translation>
    </message>
</context>
</TS>
