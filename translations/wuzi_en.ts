<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CoreMessages</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>计算机胜!</source>
        <translation>The computer wins!</translation>
    </message>
    <message>
        <source>玩家胜!</source>
        <translation>You win!</translation>
    </message>
    <message>
        <source>此局为和局!</source>
        <translation>This game is a draw!</translation>
    </message>
    <message>
        <source>第一步请走在天元!</source>
        <translation>The first stone goes on the centre point!</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>黑胜!</source>
        <translation>Black wins!</translation>
    </message>
    <message>
        <source>白胜!</source>
        <translation>White wins!</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>悔棋(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>提示(&amp;I)</source>
        <translation>H&amp;int</translation>
    </message>
    <message>
        <source>大师提示(&amp;M)</source>
        <translation>&amp;Master&apos;s hint</translation>
    </message>
    <message>
        <source>大师分析(&amp;A)</source>
        <translation>Master&apos;s &amp;analysis</translation>
    </message>
    <message>
        <source>打开棋谱(&amp;O)...</source>
        <translation>&amp;Open record...</translation>
    </message>
    <message>
        <source>保存棋谱(&amp;S)...</source>
        <translation>&amp;Save record...</translation>
    </message>
    <message>
        <source>新游戏(&amp;N)</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>结束游戏(&amp;E)</source>
        <translation>&amp;End game</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>先手(&amp;B)</source>
        <translation>Move &amp;first</translation>
    </message>
    <message>
        <source>后手(&amp;A)</source>
        <translation>Move &amp;second</translation>
    </message>
    <message>
        <source>初级(&amp;E)</source>
        <translation>&amp;Easy</translation>
    </message>
    <message>
        <source>中级(&amp;M)</source>
        <translation>&amp;Medium</translation>
    </message>
    <message>
        <source>高级(&amp;H)</source>
        <translation>&amp;Hard</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>技术支持(&amp;T)</source>
        <translation>&amp;Technical support</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>选项(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>走棋(&amp;O)</source>
        <translation>M&amp;ove</translation>
    </message>
    <message>
        <source>难度(&amp;D)</source>
        <translation>&amp;Difficulty</translation>
    </message>
    <message>
        <source>棋手(&amp;T)</source>
        <translation>Oppo&amp;nent</translation>
    </message>
    <message>
        <source>Vesk十式(&amp;K)</source>
        <translation>Vesk&apos;s &amp;Ten Forms</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>显示手数(&amp;N)</source>
        <translation>Move &amp;numbers</translation>
    </message>
    <message>
        <source>显示坐标(&amp;C)</source>
        <translation>&amp;Coordinates</translation>
    </message>
    <message>
        <source>复盘(&amp;R)</source>
        <translation>&amp;Review</translation>
    </message>
    <message>
        <source>第一手(&amp;F)</source>
        <translation>&amp;First move</translation>
    </message>
    <message>
        <source>上一手(&amp;P)</source>
        <translation>&amp;Previous move</translation>
    </message>
    <message>
        <source>下一手(&amp;X)</source>
        <translation>Ne&amp;xt move</translation>
    </message>
    <message>
        <source>最后一手(&amp;L)</source>
        <translation>&amp;Last move</translation>
    </message>
    <message>
        <source>语言(&amp;G)</source>
        <translation>Lan&amp;guage</translation>
    </message>
    <message>
        <source>继续上一局(&amp;C)</source>
        <translation>C&amp;ontinue the last game</translation>
    </message>
    <message>
        <source>侧栏(&amp;P)</source>
        <translation>Side &amp;panel</translation>
    </message>
    <message>
        <source>双人对弈(&amp;2)</source>
        <translation>&amp;Two players</translation>
    </message>
    <message>
        <source>摆棋(&amp;P)...</source>
        <translation>Set &amp;up a position...</translation>
    </message>
    <message>
        <source>观战(&amp;W)...</source>
        <translation>&amp;Watch a game...</translation>
    </message>
    <message>
        <source>复盘分析(&amp;Y)</source>
        <translation>Game anal&amp;ysis</translation>
    </message>
    <message>
        <source>连续冲四 · 3 手(&amp;1)...</source>
        <translation>Fours, in &amp;3 moves...</translation>
    </message>
    <message>
        <source>连续冲四 · 5 手以上(&amp;2)...</source>
        <translation>Fours, in &amp;5 moves or more...</translation>
    </message>
    <message>
        <source>冲四活三 · 3 手(&amp;3)...</source>
        <translation>Fours and threes, in 3 &amp;moves...</translation>
    </message>
    <message>
        <source>冲四活三 · 4 手以上(&amp;4)...</source>
        <translation>Fours and threes, in &amp;4 moves or more...</translation>
    </message>
    <message>
        <source>习题(&amp;Z)</source>
        <translation>&amp;Puzzles</translation>
    </message>
    <message>
        <source>声音(&amp;S)</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>小鬼出山</source>
        <translation>The Imp Sets Out</translation>
    </message>
    <message>
        <source>小鬼索命</source>
        <translation>The Imp Comes to Kill</translation>
    </message>
    <message>
        <source>神出鬼没</source>
        <translation>Here, Then Gone</translation>
    </message>
    <message>
        <source>八卦迷魂</source>
        <translation>The Trigram Maze</translation>
    </message>
    <message>
        <source>天昏地暗</source>
        <translation>Darkness Falls</translation>
    </message>
    <message>
        <source>黑白无常</source>
        <translation>The Black and White Reapers</translation>
    </message>
    <message>
        <source>魔高一丈</source>
        <translation>The Devil Stands Taller</translation>
    </message>
    <message>
        <source>孤魂野鬼</source>
        <translation>Wandering Ghosts</translation>
    </message>
    <message>
        <source>月黑风高</source>
        <translation>A Dark and Windy Night</translation>
    </message>
    <message>
        <source>轮回转世</source>
        <translation>Rebirth</translation>
    </message>
</context>
<context>
    <name>wuzi::EvalGraph</name>
    <message>
        <source>妙手</source>
        <translation>brilliant</translation>
    </message>
    <message>
        <source>疑问手</source>
        <translation>dubious</translation>
    </message>
    <message>
        <source>失误</source>
        <translation>mistake</translation>
    </message>
    <message>
        <source>败着</source>
        <translation>losing move</translation>
    </message>
    <message>
        <source>错失胜机</source>
        <translation>missed win</translation>
    </message>
</context>
<context>
    <name>wuzi::GameCommands</name>
    <message>
        <source>打开棋谱</source>
        <translation>Open record</translation>
    </message>
    <message>
        <source>保存棋谱</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>五子棋棋谱 (*.psq);;所有文件 (*)</source>
        <translation>Gomoku records (*.psq);;All files (*)</translation>
    </message>
    <message>
        <source>无法读取文件“%1”：%2</source>
        <translation>Cannot read the file “%1”: %2</translation>
    </message>
    <message>
        <source>文件“%1”太大，不是五子棋棋谱。</source>
        <translation>The file “%1” is too large to be a gomoku record.</translation>
    </message>
    <message>
        <source>文件“%1”不是可以打开的棋谱。
%2</source>
        <translation>The file “%1” is no record that can be opened.
%2</translation>
    </message>
    <message>
        <source>无法保存棋谱到“%1”：%2</source>
        <translation>Cannot save the record to “%1”: %2</translation>
    </message>
    <message>
        <source>棋谱已保存：%1</source>
        <translation>Record saved: %1</translation>
    </message>
</context>
<context>
    <name>wuzi::GameStatus</name>
    <message>
        <source>单击 文件 → 新游戏 (Ctrl+N) 开始下棋</source>
        <translation>Choose File → New game (Ctrl+N) to start playing</translation>
    </message>
    <message>
        <source>本局结束：新游戏 (Ctrl+N) 再来一局，或悔棋 (Ctrl+Z) 接着下</source>
        <translation>Game over: New game (Ctrl+N) for another, or Undo (Ctrl+Z) to play on</translation>
    </message>
    <message>
        <source>本局结束：新游戏 (Ctrl+N) 再来一局</source>
        <translation>Game over: New game (Ctrl+N) for another</translation>
    </message>
    <message>
        <source>计算机思考中… %1 秒</source>
        <translation>The computer is thinking… %1 s</translation>
    </message>
    <message>
        <source>轮到你走</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>计算机思考中…</source>
        <translation>The computer is thinking…</translation>
    </message>
    <message>
        <source>第 %1 手</source>
        <translation>Move %1</translation>
    </message>
    <message>
        <source>共 %1 手</source>
        <translation>%1 moves</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>你先手（黑）</source>
        <translation>you first (black)</translation>
    </message>
    <message>
        <source>计算机先手</source>
        <translation>computer first</translation>
    </message>
    <message>
        <source>对手：%1</source>
        <translation>Opponent: %1</translation>
    </message>
    <message>
        <source>下一局：%1</source>
        <translation>Next game: %1</translation>
    </message>
    <message>
        <source>五子棋</source>
        <translation>Gomoku</translation>
    </message>
    <message>
        <source>五子棋 — %1 · %2</source>
        <translation>Gomoku — %1 · %2</translation>
    </message>
    <message>
        <source>初级</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>中级</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>高级</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>复盘：第 %1 手，共 %2 手</source>
        <translation>Review: move %1 of %2</translation>
    </message>
    <message>
        <source>本局结束 · %1</source>
        <translation>Game over · %1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>轮到黑方</source>
        <translation>Black to move</translation>
    </message>
    <message>
        <source>轮到白方</source>
        <translation>White to move</translation>
    </message>
    <message>
        <source>双人对弈：执黑先行</source>
        <translation>Two players: black moves first</translation>
    </message>
    <message>
        <source>五子棋 — 双人对弈</source>
        <translation>Gomoku — two players</translation>
    </message>
    <message>
        <source>第一手请下在天元</source>
        <translation>The first stone goes on the centre point</translation>
    </message>
    <message>
        <source>研究摆好的局面：黑方走</source>
        <translation>Studying the position set up: Black to move</translation>
    </message>
    <message>
        <source>研究摆好的局面：白方走</source>
        <translation>Studying the position set up: White to move</translation>
    </message>
    <message>
        <source>观战：%1（%2）执黑 对 %3（%4）执白</source>
        <translation>Watched: %1 (%2) with black against %3 (%4) with white</translation>
    </message>
</context>
<context>
    <name>wuzi::LessonWindow</name>
    <message>
        <source>已暂停：空格继续，→ 走一步</source>
        <translation>Paused: Space goes on, → steps one move</translation>
    </message>
    <message>
        <source>演示中：空格暂停</source>
        <translation>Replaying: Space pauses</translation>
    </message>
    <message>
        <source>演示结束</source>
        <translation>End of the demonstration</translation>
    </message>
</context>
<context>
    <name>wuzi::MainWindow</name>
    <message>
        <source>五子棋帮助</source>
        <translation>Gomoku help</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Technical support</translation>
    </message>
    <message>
        <source>五子棋 wuzi，版本 %1。

遇到问题时，请告诉向你提供本程序的人（例如它的软件包的维护者），并附上：
· 版本号和所用的系统；
· 出问题前的几步操作；
· 用 文件 → 保存棋谱 保存下来的那一局；
· 从终端启动 wuzi 时它打印出的信息。</source>
        <translation>Gomoku (wuzi), version %1.

To report a problem, tell whoever gave you this program (the maintainer of its package, say), and add:
· the version and your system;
· the last few things you did before the problem;
· the game, saved with File → Save record;
· what wuzi prints when started from a terminal.</translation>
    </message>
    <message>
        <source>新游戏</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>这一局还没有下完。要放弃它，开始新的一局吗？</source>
        <translation>This game is not finished. Give it up and start a new one?</translation>
    </message>
    <message>
        <source>结束游戏</source>
        <translation>End game</translation>
    </message>
    <message>
        <source>这一局还没有下完。要就此结束吗？</source>
        <translation>This game is not finished. End it here?</translation>
    </message>
    <message>
        <source>金色圆圈：大师提示</source>
        <translation>Gold ring: the master&apos;s hint</translation>
    </message>
    <message>
        <source>绿色圆圈：提示</source>
        <translation>Green ring: the hint</translation>
    </message>
    <message>
        <source>紫色虚线圆圈：大师分析的最佳一手</source>
        <translation>Dashed violet ring: the master&apos;s best move</translation>
    </message>
    <message>
        <source>选项（先后手、难度、棋手）在本局结束后可以更改</source>
        <translation>Options (who moves first, difficulty, opponent) can be changed when this game is over</translation>
    </message>
    <message>
        <source>上一局没有下完：文件 → 继续上一局</source>
        <translation>The last game was not finished: File → Continue the last game</translation>
    </message>
    <message>
        <source>上一局（%1 手）还没有下完。要接着下吗？</source>
        <translation>The last game (%1 moves) was not finished. Play on?</translation>
    </message>
    <message>
        <source>继续上一局</source>
        <translation>Continue the last game</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>这一局还没有下完。下次启动时可以接着下。现在就退出吗？</source>
        <translation>This game is not finished. You can play on at the next start. Exit now?</translation>
    </message>
    <message>
        <source>双人对弈</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>这一局还没有下完。要放弃它，开始双人对弈吗？</source>
        <translation>This game is not finished. Give it up and start a game of two players?</translation>
    </message>
    <message>
        <source>摆棋</source>
        <translation>Set up a position</translation>
    </message>
    <message>
        <source>这一局还没有下完。要放弃它，改下摆好的局面吗？</source>
        <translation>This game is not finished. Give it up for the position set up?</translation>
    </message>
    <message>
        <source>观战</source>
        <translation>Watch a game</translation>
    </message>
    <message>
        <source>这一局还没有下完。要放弃它，复盘观战的一局吗？</source>
        <translation>This game is not finished. Give it up to review the game watched?</translation>
    </message>
    <message>
        <source>正在计算提示…</source>
        <translation>Working out a hint…</translation>
    </message>
</context>
<context>
    <name>wuzi::MasterAnalysis</name>
    <message>
        <source>黑</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>变化：%1</source>
        <translation>Line: %1</translation>
    </message>
    <message>
        <source>思考中…</source>
        <translation>Thinking…</translation>
    </message>
    <message>
        <source>大师分析：%1</source>
        <translation>Master: %1</translation>
    </message>
    <message>
        <source>此局已终</source>
        <translation>The game is over</translation>
    </message>
    <message>
        <source>%1 %2 手胜，最佳 %3</source>
        <translation>%1 wins in %2, best %3</translation>
    </message>
    <message>
        <source>%1 %2 手胜；%3最佳应手 %4</source>
        <translation>%1 wins in %2; %3&apos;s best reply %4</translation>
    </message>
    <message>
        <source>你的胜率 %1%，最佳 %2</source>
        <translation>Your chance %1%, best %2</translation>
    </message>
    <message>
        <source>黑 %1%，最佳 %2</source>
        <translation>Black %1%, best %2</translation>
    </message>
    <message>
        <source>黑 %1%；白最佳 %2</source>
        <translation>Black %1%; White&apos;s best %2</translation>
    </message>
    <message>
        <source>你的胜率</source>
        <translation>Your chance</translation>
    </message>
    <message>
        <source>黑方胜率</source>
        <translation>Black&apos;s chance</translation>
    </message>
</context>
<context>
    <name>wuzi::PageViewer</name>
    <message>
        <source>&lt;h2&gt;找不到页面文件&lt;/h2&gt;&lt;p&gt;页面文件 &lt;b&gt;%1&lt;/b&gt; 不存在，无法显示这一页。&lt;/p&gt;&lt;p&gt;程序在这里寻找它：&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;请把 %1 放回程序所在的目录，再重新打开这一页。&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The page file &lt;b&gt;%1&lt;/b&gt; is missing, so this page cannot be shown.&lt;/p&gt;&lt;p&gt;The program looks for it here:&lt;br&gt;&lt;tt&gt;%2&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Put %1 back into the program&apos;s directory and open the page again.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>wuzi::PuzzleWindow</name>
    <message>
        <source>连续冲四 · 3 手</source>
        <translation>Fours, in 3 moves</translation>
    </message>
    <message>
        <source>连续冲四 · 5 手以上</source>
        <translation>Fours, in 5 moves or more</translation>
    </message>
    <message>
        <source>冲四活三 · 3 手</source>
        <translation>Fours and threes, in 3 moves</translation>
    </message>
    <message>
        <source>冲四活三 · 4 手以上</source>
        <translation>Fours and threes, in 4 moves or more</translation>
    </message>
    <message>
        <source>习题</source>
        <translation>Puzzles</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>再试一次</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>看答案</source>
        <translation>Show the answer</translation>
    </message>
    <message>
        <source>重放</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>下一题</source>
        <translation>Next puzzle</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>请走下一手</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>解开了！</source>
        <translation>Solved!</translation>
    </message>
    <message>
        <source>对方挡在 %1。请继续</source>
        <translation>The defence is at %1. Go on</translation>
    </message>
    <message>
        <source>这一步不成：对方走 %1 之后就没有胜法了。按“再试一次”重来</source>
        <translation>That does not win: after %1 no forced win is left. Press “Try again”</translation>
    </message>
    <message>
        <source>答案：%1。按“重放”可以一步步看</source>
        <translation>The answer: %1. Press “Replay” to see it move by move</translation>
    </message>
    <message>
        <source>黑先胜</source>
        <translation>Black to play and win</translation>
    </message>
    <message>
        <source>白先胜</source>
        <translation>White to play and win</translation>
    </message>
    <message>
        <source>（%1 手）</source>
        <translation> (in %1)</translation>
    </message>
    <message>
        <source>本级已解 %1 / %2，连胜 %3</source>
        <translation>Solved at this level: %1 of %2; streak %3</translation>
    </message>
    <message>
        <source>连续冲四</source>
        <translation>Fours</translation>
    </message>
    <message>
        <source>冲四活三</source>
        <translation>Fours and threes</translation>
    </message>
    <message>
        <source>%1 · %2 手 · 第 %3 题</source>
        <translation>%1 in %2 · No. %3</translation>
    </message>
</context>
<context>
    <name>wuzi::ReviewPresenter</name>
    <message>
        <source>第 %1 手错过了胜机：%2</source>
        <translation>Move %1 missed a win: %2</translation>
    </message>
</context>
<context>
    <name>wuzi::SetUpWindow</name>
    <message>
        <source>摆棋</source>
        <translation>Set up a position</translation>
    </message>
    <message>
        <source>棋子</source>
        <translation>Stones</translation>
    </message>
    <message>
        <source>黑子</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白子</source>
        <translation>White</translation>
    </message>
    <message>
        <source>下一手</source>
        <translation>To move</translation>
    </message>
    <message>
        <source>黑先</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白先</source>
        <translation>White</translation>
    </message>
    <message>
        <source>清盘</source>
        <translation>Clear the board</translation>
    </message>
    <message>
        <source>打开棋谱…</source>
        <translation>Open record…</translation>
    </message>
    <message>
        <source>保存棋谱…</source>
        <translation>Save record…</translation>
    </message>
    <message>
        <source>研究（大师分析）</source>
        <translation>Study (master&apos;s view)</translation>
    </message>
    <message>
        <source>接着下（你走下一手）</source>
        <translation>Play on (you move next)</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>有棋子不在棋盘上，或两个棋子在同一点。</source>
        <translation>A stone lies off the board, or two stones on one point.</translation>
    </message>
    <message>
        <source>无法保存棋谱到“%1”：%2</source>
        <translation>Cannot save the record to “%1”: %2</translation>
    </message>
    <message>
        <source>文件“%1”不是可以打开的棋谱。</source>
        <translation>The file “%1” is no record that can be opened.</translation>
    </message>
    <message>
        <source>保存棋谱</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>五子棋棋谱 (*.psq);;所有文件 (*)</source>
        <translation>Gomoku records (*.psq);;All files (*)</translation>
    </message>
    <message>
        <source>打开棋谱</source>
        <translation>Open record</translation>
    </message>
    <message>
        <source>棋盘上已经有五连，这盘棋已经结束了。</source>
        <translation>Five in a row stands on the board already, so the game is over.</translation>
    </message>
    <message>
        <source>黑白子的数目对不上。黑先走时黑白子一样多，白先走时黑子比白子多一个。</source>
        <translation>The stones do not add up. With black to move both colours have as many stones, with white to move black has one more.</translation>
    </message>
    <message>
        <source>这个局面不能研究：%1</source>
        <translation>This position cannot be studied: %1</translation>
    </message>
    <message>
        <source>不能从这个局面接着下：%1</source>
        <translation>You cannot play on from this position: %1</translation>
    </message>
    <message>
        <source>这个局面不能保存为棋谱：%1</source>
        <translation>This position cannot be saved as a record: %1</translation>
    </message>
</context>
<context>
    <name>wuzi::SidePanel</name>
    <message>
        <source>棋谱</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>大师分析</source>
        <translation>Master&apos;s view</translation>
    </message>
    <message>
        <source>复盘分析</source>
        <translation>Game analysis</translation>
    </message>
    <message>
        <source>取消分析</source>
        <translation>Cancel the analysis</translation>
    </message>
    <message>
        <source>演示这条胜法</source>
        <translation>Play out this win</translation>
    </message>
    <message>
        <source>准确率：黑 %1%，白 %2%</source>
        <translation>Accuracy: black %1%, white %2%</translation>
    </message>
    <message>
        <source>回到这一手</source>
        <translation>Back to this move</translation>
    </message>
    <message>
        <source>用 → / ← 一步步看</source>
        <translation>Step through it with → / ←</translation>
    </message>
</context>
<context>
    <name>wuzi::SplashWindow</name>
    <message>
        <source>五子棋</source>
        <translation>Gomoku</translation>
    </message>
    <message>
        <source>wuzi · 自由五子棋</source>
        <translation>wuzi · free-style gomoku</translation>
    </message>
    <message>
        <source>人机对弈 · Vesk十式教程</source>
        <translation>against the computer · the Ten Forms tutorial</translation>
    </message>
    <message>
        <source>版本 %1 · MIT 许可证</source>
        <translation>version %1 · MIT licence</translation>
    </message>
    <message>
        <source>单击任意处开始</source>
        <translation>click anywhere to start</translation>
    </message>
    <message>
        <source>单击任意处关闭</source>
        <translation>click anywhere to close</translation>
    </message>
</context>
<context>
    <name>wuzi::WatchWindow</name>
    <message>
        <source>初级</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>中级</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>高级</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>复盘</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>观战</source>
        <translation>Watch a game</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>黑方</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白方</source>
        <translation>White</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>继续</source>
        <translation>Go on</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>选好双方，按“开始”</source>
        <translation>Choose both sides and press “Start”</translation>
    </message>
    <message>
        <source>黑胜!</source>
        <translation>Black wins!</translation>
    </message>
    <message>
        <source>白胜!</source>
        <translation>White wins!</translation>
    </message>
    <message>
        <source>和局</source>
        <translation>A draw</translation>
    </message>
    <message>
        <source>第 %1 手，%2走</source>
        <translation>Move %1, %2 to play</translation>
    </message>
    <message>
        <source>（思考中…）</source>
        <translation> (thinking…)</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>两手间隔 %1 秒</source>
        <translation>%1 s between moves</translation>
    </message>
    <message>
        <source>已暂停：%1</source>
        <translation>Paused: %1</translation>
    </message>
</context>
</TS>
