<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>Board</name>
    <message>
        <source>名人</source>
        <translation>Meijin</translation>
    </message>
    <message>
        <source>８段</source>
        <translation>8-dan</translation>
    </message>
    <message>
        <source>７段</source>
        <translation>7-dan</translation>
    </message>
    <message>
        <source>６段</source>
        <translation>6-dan</translation>
    </message>
    <message>
        <source>５段</source>
        <translation>5-dan</translation>
    </message>
    <message>
        <source>４段</source>
        <translation>4-dan</translation>
    </message>
    <message>
        <source>３段</source>
        <translation>3-dan</translation>
    </message>
    <message>
        <source>２段</source>
        <translation>2-dan</translation>
    </message>
    <message>
        <source>初段</source>
        <translation>1-dan</translation>
    </message>
    <message>
        <source>１級</source>
        <translation>1-kyu</translation>
    </message>
    <message>
        <source>２級</source>
        <translation>2-kyu</translation>
    </message>
    <message>
        <source>３級</source>
        <translation>3-kyu</translation>
    </message>
    <message>
        <source>４級</source>
        <translation>4-kyu</translation>
    </message>
    <message>
        <source>５級</source>
        <translation>5-kyu</translation>
    </message>
    <message>
        <source>６級</source>
        <translation>6-kyu</translation>
    </message>
    <message>
        <source>７級</source>
        <translation>7-kyu</translation>
    </message>
    <message>
        <source>８級</source>
        <translation>8-kyu</translation>
    </message>
    <message>
        <source>９級</source>
        <translation>9-kyu</translation>
    </message>
    <message>
        <source>10級</source>
        <translation>10-kyu</translation>
    </message>
    <message>
        <source>11級</source>
        <translation>11-kyu</translation>
    </message>
    <message>
        <source>12級</source>
        <translation>12-kyu</translation>
    </message>
    <message>
        <source>手目</source>
        <translation>moves</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:%1</source>
        <translation>Handicap: %1</translation>
    </message>
    <message>
        <source>思考中</source>
        <translation>Thinking</translation>
    </message>
    <message>
        <source>秒読み %1</source>
        <translation>Byoyomi %1</translation>
    </message>
</context>
<context>
    <name>File</name>
    <message>
        <source>通常のﾌｧｲﾙではありません</source>
        <translation>This is not a regular file</translation>
    </message>
    <message>
        <source>%1としては大きすぎます</source>
        <translation>Too large for %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙに書き込めない文字があります</source>
        <translation>Some characters cannot be written to the file</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙ</source>
        <translation>a game record file</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞではありません</source>
        <translation>Not a folder</translation>
    </message>
    <message>
        <source>ｻｳﾝﾄﾞﾌｧｲﾙ</source>
        <translation>a sound file</translation>
    </message>
</context>
<context>
    <name>FilePanel</name>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>対 局 名：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>先    手 ：</source>
        <translation>Sente:</translation>
    </message>
    <message>
        <source>後    手 ：</source>
        <translation>Gote:</translation>
    </message>
    <message>
        <source>RETURN</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>前回の続き</source>
        <translation>Resume Last Game</translation>
    </message>
    <message>
        <source>対局を記録できませんでした。この後も記録できないことがあります<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>The game could not be recorded, and later moves may not be recorded either.<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>上書きする前の棋譜を保管できないので、書き込みませんでした<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>The record was not saved: the file it would replace could not be kept first.<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>対局の記録</source>
        <translation>Recording the Game</translation>
    </message>
    <message>
        <source>続けられる対局がありません</source>
        <translation>There is no game to resume</translation>
    </message>
    <message>
        <source>前回の対局を再開します</source>
        <translation>Resuming your last game</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>Sente&apos;s turn</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>Gote&apos;s turn</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>MANの番です</source>
        <translation>Your turn</translation>
    </message>
    <message>
        <source>ＣＯＭの移動できる駒が無くなりました</source>
        <translation>The computer has no piece left that can move</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>棋譜が一杯です（５００手）。これ以上は指せません</source>
        <translation>The game record is full (500 moves). No more moves can be played</translation>
    </message>
    <message>
        <source>移動できる駒が無くなりました</source>
        <translation>You have no piece left that can move</translation>
    </message>
    <message>
        <source>   ** 王手 **</source>
        <translation>   ** Check **</translation>
    </message>
    <message>
        <source>反転後は書き込みできません</source>
        <translation>The record cannot be saved after the board has been flipped</translation>
    </message>
    <message>
        <source>棋譜書込</source>
        <translation>Save Record</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません</source>
        <translation>The record cannot be saved after a handicap has been set</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽが準備できていません</source>
        <translation>The device is not ready</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>No file name has been entered</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>There is nothing to save</translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation>Save Record</translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation>The game record has been saved</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Game Record</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation>The game record file holds no moves</translation>
    </message>
    <message>
        <source> 読み込みました</source>
        <translation>The game record has been loaded</translation>
    </message>
    <message>
        <source>棋譜を &apos;進 &apos;で進めて下さい</source>
        <translation>Step through the record with &apos;Forward&apos;</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation>Not possible while a game record is being replayed</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip Board</translation>
    </message>
    <message>
        <source>先手の移動できる駒が無くなりました</source>
        <translation>Sente has no piece left that can move</translation>
    </message>
    <message>
        <source>後手の移動できる駒が無くなりました</source>
        <translation>Gote has no piece left that can move</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>Sente wins</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>Gote wins</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game Over</translation>
    </message>
    <message>
        <source>続けますか？</source>
        <translation>Play again?</translation>
    </message>
    <message>
        <source>再ゲーム</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start a game from the Game menu</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局途中ではできません</source>
        <translation>Not possible in the middle of a game</translation>
    </message>
    <message>
        <source>反転後ではできません</source>
        <translation>Not possible after the board has been flipped</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>局面→最初にして下さい</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>Choose Position → Start Over first</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>Ready?</translation>
    </message>
    <message>
        <source>再開(COM)</source>
        <translation>Resume (Computer)</translation>
    </message>
    <message>
        <source>２歩なので打てません</source>
        <translation>Not allowed: two pawns on one file</translation>
    </message>
    <message>
        <source>張り駒で相手駒を取れません</source>
        <translation>A dropped piece cannot capture</translation>
    </message>
    <message>
        <source>マウスの右をクリックして下さい</source>
        <translation>Click with the right mouse button</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>設定ﾌｧｲﾙを書き込めませんでした。選んだ設定はこの間だけ使います<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>The settings file could not be written. Your choices apply until the program ends.<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>雲羅将棋 Kumora Shogi<byte value="xd"/>バージョン %1<byte value="xd"/><byte value="xd"/>自分の駒をつないで動かす将棋</source>
        <translation>Kumora Shogi (雲羅将棋)<byte value="xd"/>Version %1<byte value="xd"/><byte value="xd"/>Shogi in which a piece moves by chaining through your own pieces</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>End of the record</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>待ったできる手がありません</source>
        <translation>There is no move to take back</translation>
    </message>
    <message>
        <source>待った</source>
        <translation>Take Back</translation>
    </message>
    <message>
        <source>あなたの時間が切れました</source>
        <translation>You ran out of time</translation>
    </message>
    <message>
        <source>ＣＯＭの時間が切れました</source>
        <translation>The computer ran out of time</translation>
    </message>
    <message>
        <source>先手の時間が切れました</source>
        <translation>Sente ran out of time</translation>
    </message>
    <message>
        <source>後手の時間が切れました</source>
        <translation>Gote ran out of time</translation>
    </message>
    <message>
        <source>時間切れ</source>
        <translation>Out of Time</translation>
    </message>
    <message>
        <source>投了しますか？</source>
        <translation>Resign this game?</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>ネット対局</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>ネット対局中です</source>
        <translation>A network game is being played</translation>
    </message>
    <message>
        <source>このポートで相手を待てません</source>
        <translation>Cannot wait for the other player on this port</translation>
    </message>
    <message>
        <source>ネット対局を始めます。あなたは先手です</source>
        <translation>The network game begins. You play Sente</translation>
    </message>
    <message>
        <source>ネット対局を始めます。あなたは後手です</source>
        <translation>The network game begins. You play Gote</translation>
    </message>
    <message>
        <source>相手が投了しました</source>
        <translation>The other player resigned</translation>
    </message>
    <message>
        <source>相手が待ったを求めています。応じますか？</source>
        <translation>The other player asks to take back a move. Do you agree?</translation>
    </message>
    <message>
        <source>相手が待ったに応じました</source>
        <translation>The other player agreed to take the move back</translation>
    </message>
    <message>
        <source>相手が待ったを断りました</source>
        <translation>The other player refused to take the move back</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two Players</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the Computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente (First)</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote (Second)</translation>
    </message>
    <message>
        <source>前回の続き</source>
        <translation>Resume Last Game</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer Level</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Start Over</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip Board</translation>
    </message>
    <message>
        <source>待った</source>
        <translation>Take Back</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>書込</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>最近の対局</source>
        <translation>Recent Games</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>背景画</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>畳</source>
        <translation>Tatami</translation>
    </message>
    <message>
        <source>竹</source>
        <translation>Bamboo</translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>煉瓦</source>
        <translation>Brick</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Move Guidance</translation>
    </message>
    <message>
        <source>経過時間</source>
        <translation>Elapsed Time</translation>
    </message>
    <message>
        <source>サイドパネル</source>
        <translation>Side Panel</translation>
    </message>
    <message>
        <source>COMの手を速く表示</source>
        <translation>Show Computer Moves Quickly</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>持ち時間</source>
        <translation>Time Control...</translation>
    </message>
    <message>
        <source>ネット対局</source>
        <translation>Network Game</translation>
    </message>
    <message>
        <source>相手を待つ</source>
        <translation>Wait for a Player...</translation>
    </message>
    <message>
        <source>相手に接続</source>
        <translation>Connect to a Player...</translation>
    </message>
</context>
<context>
    <name>NetDialog</name>
    <message>
        <source>相手を待つ</source>
        <translation>Wait for a player</translation>
    </message>
    <message>
        <source>あなたの手番</source>
        <translation>You play</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>持ち時間を使う</source>
        <translation>Play on time</translation>
    </message>
    <message>
        <source>持ち時間は「対局」→「持ち時間」で決めます。</source>
        <translation>The time control is set under Game → Time Control.</translation>
    </message>
    <message>
        <source>相手に接続</source>
        <translation>Connect to a player</translation>
    </message>
    <message>
        <source>相手から届いた招待を貼り付けて下さい</source>
        <translation>Paste the invitation the other player sent you</translation>
    </message>
    <message>
        <source>招待として読めません。アドレス、ポートと対局コードを確かめて下さい</source>
        <translation>This is not an invitation. Check the address, the port and the game code</translation>
    </message>
    <message>
        <source>相手を待っています</source>
        <translation>Waiting for the other player</translation>
    </message>
    <message>
        <source>この招待を相手に伝えて下さい。相手が接続すると対局が始まります。</source>
        <translation>Pass this invitation on to the other player. The game begins when they connect.</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>待つのをやめる</source>
        <translation>Stop waiting</translation>
    </message>
    <message>
        <source>持ち時間を使う（%1）</source>
        <translation>Play on time (%1)</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>対局コードが違います</source>
        <translation>The game code does not match</translation>
    </message>
    <message>
        <source>相手から形式の正しくない行が届きました</source>
        <translation>The other side sent a malformed line</translation>
    </message>
    <message>
        <source>相手から長すぎる行が届きました</source>
        <translation>The other side sent a line that is too long</translation>
    </message>
    <message>
        <source>相手から認証できない行が届きました</source>
        <translation>The other side sent a line that failed authentication</translation>
    </message>
    <message>
        <source>相手から順番の飛んだ行が届きました</source>
        <translation>The other side sent a line out of order</translation>
    </message>
    <message>
        <source>相手から既に届いた行が再び届きました</source>
        <translation>The other side sent a line again that had already arrived</translation>
    </message>
    <message>
        <source>相手が手番でないのに指しました</source>
        <translation>The other side moved out of turn</translation>
    </message>
    <message>
        <source>相手から指せない手が届きました</source>
        <translation>The other side sent an illegal move</translation>
    </message>
    <message>
        <source>相手から応答がありません</source>
        <translation>The other side stopped answering</translation>
    </message>
    <message>
        <source>相手から多すぎるデータが届きました</source>
        <translation>The other side sent too much data</translation>
    </message>
    <message>
        <source>相手が接続を終えました</source>
        <translation>The other side closed the connection</translation>
    </message>
    <message>
        <source>相手のプログラムと通信の版が合いません</source>
        <translation>The other side&apos;s program speaks another version of the protocol</translation>
    </message>
    <message>
        <source>接続が切れました</source>
        <translation>The connection was lost</translation>
    </message>
    <message>
        <source>相手に接続できません</source>
        <translation>Cannot connect to the other side</translation>
    </message>
    <message>
        <source>相手がこちらからの行を拒んで接続を切りました（%1）</source>
        <translation>The other side refused a line from this side and closed the connection (%1)</translation>
    </message>
    <message>
        <source>対局コードの誤りが続いたため、この招待での接続を受け付けません</source>
        <translation>Too many wrong game codes: this invitation takes no more joins</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>%1に改行などの制御文字は使えません</source>
        <translation>Line breaks and other control characters cannot be used in %1</translation>
    </message>
    <message>
        <source>%1の「%2」は棋譜ﾌｧｲﾙに正しく書き込めません</source>
        <translation>“%2” in %1 cannot be written correctly to a game record file</translation>
    </message>
    <message>
        <source>%1に棋譜ﾌｧｲﾙに書き込めない文字があります</source>
        <translation>%1 contains characters that cannot be written to a game record file</translation>
    </message>
    <message>
        <source>%1の「%2」は棋譜ﾌｧｲﾙに書き込めません</source>
        <translation>“%2” in %1 cannot be written to a game record file</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙの%1行目が正しくありません<byte value="xd"/>%2</source>
        <translation>Line %1 of the game record file is not correct<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙの%1行目が空です</source>
        <translation>Line %1 of the game record file is empty</translation>
    </message>
    <message>
        <source>500手を超える棋譜は読み込めません</source>
        <translation>A game record of more than 500 moves cannot be loaded</translation>
    </message>
    <message>
        <source>王が取られた後の指し手です</source>
        <translation>A move after the king has been captured</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>No file name has been entered</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名に使えない文字があります</source>
        <translation>The file name contains characters that cannot be used</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名に「/」や「\」は使えません</source>
        <translation>A file name cannot contain “/” or “\”</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名に「..」は使えません</source>
        <translation>A file name cannot contain “..”</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名に制御文字は使えません</source>
        <translation>A file name cannot contain control characters</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が長すぎます</source>
        <translation>The file name is too long</translation>
    </message>
    <message>
        <source>対局名</source>
        <translation>the title</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente&apos;s name</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote&apos;s name</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを書き込めませんでした<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>The game record file could not be written<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを読み込めませんでした<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>The game record file could not be read<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>%1桁目</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>%1-%2桁目</source>
        <translation>columns %1-%2</translation>
    </message>
    <message>
        <source>半角でない文字があります</source>
        <translation>The line contains characters that are not half-width</translation>
    </message>
    <message>
        <source>37文字より長い行です</source>
        <translation>The line is longer than 37 characters</translation>
    </message>
    <message>
        <source>%1に数字でない文字があります</source>
        <translation>There are characters other than digits in %1</translation>
    </message>
    <message>
        <source>移動元が盤の外です</source>
        <translation>The origin is off the board</translation>
    </message>
    <message>
        <source>移動元の駒が記録と違います</source>
        <translation>The piece on the origin differs from the record</translation>
    </message>
    <message>
        <source>成りの記録が正しくありません</source>
        <translation>The promotion is not recorded correctly</translation>
    </message>
    <message>
        <source>持ち駒の位置が正しくありません</source>
        <translation>The place of the piece in hand is not correct</translation>
    </message>
    <message>
        <source>打てない駒です</source>
        <translation>This piece cannot be dropped</translation>
    </message>
    <message>
        <source>持ち駒にない駒を打っています</source>
        <translation>A piece that is not in hand is dropped</translation>
    </message>
    <message>
        <source>駒のある升に打っています</source>
        <translation>A piece is dropped on an occupied square</translation>
    </message>
    <message>
        <source>その升には打てません</source>
        <translation>The piece cannot be dropped on that square</translation>
    </message>
    <message>
        <source>その升へは動けません</source>
        <translation>The piece cannot move to that square</translation>
    </message>
    <message>
        <source>２歩です</source>
        <translation>Two pawns on one file</translation>
    </message>
    <message>
        <source>成らなければならない駒が成っていません</source>
        <translation>A piece that must promote has not promoted</translation>
    </message>
    <message>
        <source>移動先が盤の外です</source>
        <translation>The destination is off the board</translation>
    </message>
    <message>
        <source>時間が負の値です</source>
        <translation>A time is negative</translation>
    </message>
    <message>
        <source>同じ側が続けて指しています</source>
        <translation>The same side moves twice in a row</translation>
    </message>
    <message>
        <source>取った駒が盤面と違います</source>
        <translation>The captured piece differs from the board</translation>
    </message>
    <message>
        <source>自分の駒を取っています</source>
        <translation>A piece captures one of its own side</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙに書けない文字があります</source>
        <translation>There are characters that cannot be written to a game record file</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>駒の動かし方（つなぎ移動）</source>
        <translation>Moving a piece (the chain move)</translation>
    </message>
    <message>
        <source>駒は、まず自分の駒のどれかに乗り移らなければ動けません。乗り移れるのは、その駒がいつもの動き方で行けるマスにある自分の駒です。</source>
        <translation>A piece moves only by first stepping onto one of its own side&apos;s pieces. It can step onto an own piece standing on a square it could reach with its usual move.</translation>
    </message>
    <message>
        <source>乗り移った先からは、そこにある駒の動き方で進みます。進んだ先がまた自分の駒なら、今度はその駒の動き方で続けます。こうして一つずつつないで、空いたマスに着くか、相手の駒を取ったところで手が終わります。</source>
        <translation>From there it goes on with the move of the piece it stands on. If that brings it onto another of your pieces, it goes on with that piece&apos;s move in turn. Link by link the chain goes on, and the move ends when the piece reaches an empty square or captures an opponent&apos;s piece.</translation>
    </message>
    <message>
        <source>動くのは最初に選んだ駒だけで、途中で乗った駒は元のマスに残ります。同じ駒を何度通ってもかまいません。飛・角・香は間に駒があると通れませんが、桂は駒を飛び越せます。</source>
        <translation>Only the piece chosen first moves; the pieces it steps on stay where they are. The chain may pass the same piece more than once. The rook, bishop and lance cannot pass a piece in between, but the knight jumps over pieces.</translation>
    </message>
    <message>
        <source>ですから、歩を１マス前の空いたマスに進めるような普通の指し方はできません。行ける所に自分の駒が一つも無い駒は動けません。</source>
        <translation>So an ordinary move, such as a pawn stepping forward onto an empty square, is not possible. A piece with none of your pieces within its reach cannot move.</translation>
    </message>
    <message>
        <source>飛が２七の歩に乗り移り、歩の動きで２六へ。歩は２七に残ります。</source>
        <translation>The rook steps onto the pawn on 27 and goes on to 26 with the pawn&apos;s move. The pawn stays on 27.</translation>
    </message>
    <message>
        <source>７七の歩は、前の７六が空いていても進めません。</source>
        <translation>The pawn on 77 cannot advance, even though 76 in front of it is empty.</translation>
    </message>
    <message>
        <source>角なら７七の歩に乗り、歩の動きで７六へ行けます。</source>
        <translation>The bishop can step onto the pawn on 77 and go to 76 with the pawn&apos;s move.</translation>
    </message>
    <message>
        <source>三つつなぐ手：桂→３七の歩→３六の銀→２五の金と乗り継ぎ、金の動きで２四へ。</source>
        <translation>A chain of three links: knight → pawn on 37 → silver on 36 → gold on 25, then on to 24 with the gold&apos;s move.</translation>
    </message>
    <message>
        <source>取る手：歩が５六の角に乗り、角の動きで２三の飛を取ります。取った飛は持駒になります。</source>
        <translation>A capture: the pawn steps onto the bishop on 56 and takes the rook on 23 with the bishop&apos;s move. The captured rook goes to your hand.</translation>
    </message>
    <message>
        <source>持駒を打つ</source>
        <translation>Dropping a piece in hand</translation>
    </message>
    <message>
        <source>取った相手の駒は持駒になり、自分の番に盤の右の駒台から使えます。</source>
        <translation>Captured pieces go to your hand and can be used on your turn from the piece stand right of the board.</translation>
    </message>
    <message>
        <source>持駒も、いきなり空いたマスには打てません。まず自分の駒の上に打つように乗せ、そこからはその駒の動き方で進んで、空いたマスで止まります。つなぎ方は盤上の駒と同じです。</source>
        <translation>A piece in hand cannot be dropped straight onto an empty square either. It is first placed on one of your pieces, as if dropped there, goes on from there with that piece&apos;s move and stops on an empty square. The chain works as for the pieces on the board.</translation>
    </message>
    <message>
        <source>最初に乗せる駒は、そこが空いていれば打てるマスにある駒に限ります。歩と香は一段目、桂は一段目と二段目に打てないので、そこにある駒には乗せられません。</source>
        <translation>The first piece it is placed on must stand on a square where it could be dropped if that square were empty. Pawns and lances cannot be dropped on the first rank, knights not on the first or second, so they cannot be placed on pieces there.</translation>
    </message>
    <message>
        <source>打った駒は相手の駒を取れず（「張り駒で相手駒を取れません」）、打ったその手では成れません。</source>
        <translation>A dropped piece cannot capture an opponent&apos;s piece (“A dropped piece cannot capture”), and it cannot promote on the move it is dropped.</translation>
    </message>
    <message>
        <source>持駒の歩を５五の金に乗せ、金の動きで５四に打ちます。</source>
        <translation>The pawn in hand is placed on the gold on 55 and dropped on 54 with the gold&apos;s move.</translation>
    </message>
    <message>
        <source>持駒の銀を３七の桂に乗せ、桂→２五の歩とつないで２四へ。</source>
        <translation>The silver in hand is placed on the knight on 37 and chains on, knight → pawn on 25, to 24.</translation>
    </message>
    <message>
        <source>打った駒は取れません：角を５六の歩に乗せると、歩の動きでは５五の相手の歩に当たるので、この手は指せません。</source>
        <translation>A dropped piece cannot capture: placed on the pawn on 56, the bishop would hit the opponent&apos;s pawn on 55 with the pawn&apos;s move, so this move is not allowed.</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>盤の上から三段（図の赤いところ）が敵陣です。手の最後のマスをマウスの右ボタンでクリックすると、成れる手なら成ります。左ボタンなら成りません。</source>
        <translation>The top three ranks of the board (red in the diagrams) are the promotion zone. Click the last square of a move with the right mouse button and the piece promotes if the move allows it; with the left button it does not promote.</translation>
    </message>
    <message>
        <source>歩・香・桂は、最後のマスが敵陣のときに成れます。銀・角・飛は、それに加えて敵陣から出る手でも成れます。金と王は成りません。</source>
        <translation>A pawn, lance or knight can promote when the last square is in the zone. A silver, bishop or rook can also promote on a move that leaves the zone. Golds and kings do not promote.</translation>
    </message>
    <message>
        <source>歩と香が一段目に、桂が一段目か二段目に着くときは必ず成ります。左ボタンでクリックすると「マウスの右をクリックして下さい」と出るので、同じマスを右ボタンでクリックし直します。</source>
        <translation>A pawn or lance reaching the first rank, or a knight reaching the first or second rank, must promote. A left click then brings “Click with the right mouse button”: click the same square again with the right button.</translation>
    </message>
    <message>
        <source>歩が４四の金に乗って４三へ。最後の４三を右クリックすると と に成ります。</source>
        <translation>The pawn steps onto the gold on 44 and goes to 43. Right-clicking the last square, 43, promotes it to a tokin (と).</translation>
    </message>
    <message>
        <source>桂が３三の金に乗って３二へ。二段目の桂は必ず成るので、左クリックでは指せません。</source>
        <translation>The knight steps onto the gold on 33 and goes to 32. A knight on the second rank must promote, so a left click cannot make this move.</translation>
    </message>
    <message>
        <source>同じ手を右クリックすると、桂は成って成桂になります。</source>
        <translation>Made with a right click, the same move promotes the knight.</translation>
    </message>
    <message>
        <source>銀は敵陣から出る手でも成れます：５三の金に乗って５四へ、右クリックで成銀。</source>
        <translation>A silver can also promote on a move out of the zone: onto the gold on 53, on to 54, and a right click promotes it.</translation>
    </message>
    <message>
        <source>二歩</source>
        <translation>Two pawns</translation>
    </message>
    <message>
        <source>成っていない自分の歩がある筋（縦の列）に、もう一枚歩を置くことはできません（「２歩なので打てません」）。持駒の歩を打つときも、つなぎ移動で歩を別の筋に運ぶときも同じです。</source>
        <translation>A second pawn cannot be put on a file (column) that already holds an unpromoted pawn of yours (“Not allowed: two pawns on one file”). This holds when dropping a pawn from your hand and when a chain move carries a pawn to another file alike.</translation>
    </message>
    <message>
        <source>その手で成るとき（最後のマスを右クリックして と になるとき）だけは置けます。と は歩に数えません。打った歩は成れないので、歩のある筋には打てません。</source>
        <translation>Only when it promotes on that move (the last square right-clicked, so that it becomes a tokin, と) may it go there. A tokin does not count as a pawn. A dropped pawn cannot promote, so it cannot be dropped on a file that holds your pawn.</translation>
    </message>
    <message>
        <source>４七に歩があるので、持駒の歩を４六の金に乗せて４五へ打つことはできません。</source>
        <translation>With a pawn on 47, the pawn in hand cannot be placed on the gold on 46 and dropped on 45.</translation>
    </message>
    <message>
        <source>２六に歩があっても、２三で成るなら歩を２筋へ運べます（右クリック）。</source>
        <translation>Even with a pawn on 26, a pawn can be carried to file 2 if it promotes on 23 (right click).</translation>
    </message>
    <message>
        <source>勝ち負け</source>
        <translation>Winning and losing</translation>
    </message>
    <message>
        <source>相手の王を取ったら勝ちです。</source>
        <translation>You win by capturing your opponent&apos;s king.</translation>
    </message>
    <message>
        <source>自分の番に、動かせる駒も打てる持駒も無くなったら負けです（「移動できる駒が無くなりました」）。</source>
        <translation>You lose when, on your turn, you have no piece you can move and no piece in hand you can drop (“You have no piece left that can move”).</translation>
    </message>
    <message>
        <source>王手の禁止はありません。王手をかけられても逃げる必要はなく、自分の王が取られる所へも動けます。ｺﾝﾋﾟｭｰﾀが王手をかけたときは「** 王手 **」と知らせます。</source>
        <translation>Nothing forbids leaving your king in check: you need not escape a check, and your king may even move where it can be captured. When the computer gives check, the game says “** Check **”.</translation>
    </message>
    <message>
        <source>銀が５三の香に乗り、香の動きで５一の王を取って勝ちです。</source>
        <translation>The silver steps onto the lance on 53 and captures the king on 51 with the lance&apos;s move: the game is won.</translation>
    </message>
    <message>
        <source>王と歩しか残っておらず、どちらにも乗り移れる自分の駒がありません。持駒も無いので、この番で負けです。</source>
        <translation>Only the king and a pawn are left, and neither has a piece of its own side to step onto. With nothing in hand either, this side loses on this turn.</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ</source>
        <translation>Handicaps</translation>
    </message>
    <message>
        <source>駒を落として、ｺﾝﾋﾟｭｰﾀとの力の差を調整できます。１手目を指す前に、メニューの「▽」「△」を押します。押すたびに盤の右の表示が変わります。平手は ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級 です。</source>
        <translation>Taking pieces away evens out a difference in strength with the computer. Before the first move, press ▽ or △ on the menu bar. Each press changes the caption right of the board. The even game is Handicap: 2-kyu.</translation>
    </message>
    <message>
        <source>「▽」はあなた（下側）の駒を１枚ずつ減らし、%1と進みます。名人では王と歩だけで指します。</source>
        <translation>▽ takes away your pieces (the lower side) one at a time, going through %1. At Meijin you play with only your king and pawns.</translation>
    </message>
    <message>
        <source>「△」はｺﾝﾋﾟｭｰﾀ（上側）の駒を１枚ずつ減らし、%1と進みます。12級ではｺﾝﾋﾟｭｰﾀが王と歩だけになります。反対の「▽」「△」を押すと、駒は１枚ずつ戻ります。</source>
        <translation>△ takes away the computer&apos;s pieces (the upper side) one at a time, going through %1. At 12-kyu the computer has only its king and pawns left. Pressing the other of ▽ and △ brings the pieces back one at a time.</translation>
    </message>
    <message>
        <source>駒の減る順番は図の番号のとおりです。１手指した後や「反転」の後は変えられません。「局面」→「最初」で平手に戻ります。</source>
        <translation>The pieces go in the order numbered in the diagrams. The handicap cannot be changed after the first move or after Flip Board. Position → Start Over returns to the even game.</translation>
    </message>
    <message>
        <source>「△」で減るｺﾝﾋﾟｭｰﾀの駒（数字は減る順番）</source>
        <translation>The computer&apos;s pieces △ takes away (numbered in order)</translation>
    </message>
    <message>
        <source>「▽」で減るあなたの駒（数字は減る順番）</source>
        <translation>Your pieces ▽ takes away (numbered in order)</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Move guidance</translation>
    </message>
    <message>
        <source>「ｵﾌﾟｼｮﾝ」→「移動指導」に印を付けると、次にクリックできるマスが白い枠で示されます。</source>
        <translation>With Options → Move Guidance ticked, the squares you can click next are framed in white.</translation>
    </message>
    <message>
        <source>駒を選んだ直後は、乗り移れる自分の駒だけに枠が付きます。一つ乗り移った後は、その駒の動き方で行けるマスすべて（さらにつなぐ自分の駒、止まれる空きマス、取れる相手の駒）に枠が付きます。</source>
        <translation>Right after you choose a piece, only your pieces it can step onto are framed. After the first step, every square within the move of the piece it stands on is framed (your pieces to chain on, empty squares to stop on, opponent&apos;s pieces to capture).</translation>
    </message>
    <message>
        <source>いま乗っている駒は赤い枠、動かしている駒の元のマスは水色の枠で示されます。</source>
        <translation>The piece it stands on now is framed in red, the square the moving piece started from in light blue.</translation>
    </message>
    <message>
        <source>５八の金を選んだところ：金が乗り移れる自分の駒に枠が付きます（空いたマスにはまだ付きません）。</source>
        <translation>The gold on 58 chosen: your pieces the gold can step onto are framed (empty squares are not framed yet).</translation>
    </message>
    <message>
        <source>６八の銀に乗り移ったところ：銀の動きで行けるマスすべてに枠が付きます。７七の相手の と も取れます。</source>
        <translation>After stepping onto the silver on 68: every square within the silver&apos;s move is framed. The opponent&apos;s tokin on 77 can be captured too.</translation>
    </message>
    <message>
        <source>マウスとキーの操作</source>
        <translation>Mouse and keys</translation>
    </message>
    <message>
        <source>・対局：「対局」→「対局(COM)」→「先手」か「後手」でｺﾝﾋﾟｭｰﾀと、「対局(人間)」→「スタート」で二人で指します。ｺﾝﾋﾟｭｰﾀの強さは「COM対局ﾚﾍﾞﾙ」で選びます。</source>
        <translation>• Playing: Game → Against the Computer → Sente (First) or Gote (Second) plays the computer, Game → Two Players → Start a game between two people. Choose the computer&apos;s strength under Computer Level.</translation>
    </message>
    <message>
        <source>・指し方：動かす駒（持駒なら盤の右の駒台の駒）をクリックし、乗り移る自分の駒を順にクリックして、最後に止まる空きマスか取る相手の駒をクリックします。成るときは最後のマスを右クリックします。</source>
        <translation>• Moving: click the piece to move (for a piece in hand, the piece on the stand right of the board), then the pieces of yours it steps onto one after another, and last the empty square to stop on or the opponent&apos;s piece to capture. To promote, right-click the last square.</translation>
    </message>
    <message>
        <source>・取消：最初に選んだ駒をもう一度クリックすると、作りかけの手は取り消されます。</source>
        <translation>• Cancelling: clicking the piece chosen first again cancels the move being built.</translation>
    </message>
    <message>
        <source>・「戻」「進」（キーの ← →）：一手ずつ戻す・進める。戻した局面で盤をクリックすると、そこから対局を続けます。</source>
        <translation>• Back and Forward (the keys ← →): step back or forward one move at a time. Clicking the board in a position stepped back to continues the game from there.</translation>
    </message>
    <message>
        <source>・「局面」→「待った」（Ctrl+Z）：ｺﾝﾋﾟｭｰﾀとの対局では、あなたの一つ前の手番まで戻して続けます。二人の対局では一手戻します。</source>
        <translation>• Position → Take Back (Ctrl+Z): against the computer, goes back to your previous turn and continues from there; between two people, takes back one move.</translation>
    </message>
    <message>
        <source>・「局面」→「最初」：初めの局面に戻します。「局面」→「反転」：盤を回します。</source>
        <translation>• Position → Start Over: back to the starting position. Position → Flip Board: turns the board round.</translation>
    </message>
    <message>
        <source>・「棋譜」→「読込」（Ctrl+O）・「書込」（Ctrl+S）：棋譜ファイル（.棋譜）を読み込み、保存します。読み込んだ棋譜は「進」で一手ずつ見られます。</source>
        <translation>• Record → Load (Ctrl+O) and Save (Ctrl+S): load and save game record files (.棋譜). A loaded record is shown one move at a time with Forward.</translation>
    </message>
    <message>
        <source>・「ｵﾌﾟｼｮﾝ」：背景画、移動指導、経過時間、BGM を切り替えます。</source>
        <translation>• Options: the background, move guidance, the elapsed time and the music (BGM).</translation>
    </message>
    <message>
        <source>・「対局」→「前回の続き」：終わっていない最後の対局を続けます。「棋譜」→「最近の対局」：これまでの対局を新しい順に選んで読み込みます。</source>
        <translation>• Game → Resume Last Game: continues the last unfinished game. Record → Recent Games: choose one of your games, newest first, and load it.</translation>
    </message>
    <message>
        <source>・F1 か「その他」→「遊び方」：この窓を開きます（Esc で閉じます）。ゲームは Esc か「対局」→「終わり」で終了します。</source>
        <translation>• F1 or Other → How to Play: opens this window (Esc closes it). Esc or Game → Quit ends the game.</translation>
    </message>
    <message>
        <source>駒台の歩（①）を選び、５六の金（②）に乗せたところ。白い枠のマスをクリックすると打ち終わります。</source>
        <translation>The pawn on the stand (①) chosen and placed on the gold on 56 (②). Clicking a square framed in white completes the drop.</translation>
    </message>
    <message>
        <source>雲羅将棋は、駒が自分の駒を足場にして動く将棋です。盤と駒の並べ方、取った駒が持駒になること、成り、二歩は普通の将棋と同じで、違うのは駒の動かし方（持駒の打ち方も）と勝ち負けの決まり方です。</source>
        <translation>Kumora Shogi is shogi in which a piece moves by using its own side&apos;s pieces as stepping stones. The board and how the pieces are set up, captured pieces going to your hand, promotion and the two-pawns rule are as in ordinary shogi; what differs is how pieces move (and how pieces in hand are dropped) and how the game is won and lost.</translation>
    </message>
    <message>
        <source>図では盤の下側があなたの駒です。丸数字はクリックする順番（赤い丸は右クリック）、矢印は駒の通り道、✕ はできない手を表します。</source>
        <translation>In the diagrams your pieces are those at the bottom of the board. Circled numbers give the order of the clicks (a red circle is a right-click), arrows the path of the piece, and ✕ a move that is not allowed. A square is named by its file and rank as the board labels them: 27 is file ２, rank 七. The pieces: 歩 pawn, 香 lance, 桂 knight, 銀 silver, 金 gold, 角 bishop, 飛 rook, 王 king, と promoted pawn (tokin).</translation>
    </message>
    <message>
        <source>%1．%2</source>
        <extracomment>%1 the section&apos;s number in full-width digits, %2 its title, %3 the number in ASCII digits</extracomment>
        <translation>%3. %2</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>棋譜を再生しています</source>
        <translation>Replaying a game record</translation>
    </message>
    <message>
        <source>対局していません</source>
        <translation>No game in progress</translation>
    </message>
    <message>
        <source>先手の番</source>
        <translation>Sente to move</translation>
    </message>
    <message>
        <source>先手の番（ＣＯＭ）</source>
        <translation>Sente to move (computer)</translation>
    </message>
    <message>
        <source>先手の番（あなた）</source>
        <translation>Sente to move (you)</translation>
    </message>
    <message>
        <source>後手の番</source>
        <translation>Gote to move</translation>
    </message>
    <message>
        <source>後手の番（ＣＯＭ）</source>
        <translation>Gote to move (computer)</translation>
    </message>
    <message>
        <source>後手の番（あなた）</source>
        <translation>Gote to move (you)</translation>
    </message>
    <message>
        <source>ＣＯＭ対局 LEVEL%1</source>
        <translation>Against the computer, LEVEL%1</translation>
    </message>
    <message>
        <source>人間対局</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 the kind of game, %2 the handicap grade</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>ＣＯＭ</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>ｻｳﾝﾄﾞﾌｧｲﾙを読み込めませんでした<byte value="xd"/>%1<byte value="xd"/>%2</source>
        <translation>A sound file could not be read<byte value="xd"/>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>The Direct Sound interface cannot be created.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>ＣＯＭが考えています</source>
        <translation>The computer is thinking</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Your turn</translation>
    </message>
    <message>
        <source>棋譜は「進」と「戻」で見ます</source>
        <translation>Step through the record with Forward and Back</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>Gote&apos;s turn</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>Sente&apos;s turn</translation>
    </message>
    <message>
        <source>「対局」で対局を始めて下さい</source>
        <translation>Start a game from the Game menu</translation>
    </message>
    <message>
        <source>ヒントを考えています</source>
        <translation>Thinking of a hint</translation>
    </message>
    <message>
        <source>指せる手がありません</source>
        <translation>There is no move to play</translation>
    </message>
    <message>
        <source>ヒント：%1</source>
        <translation>Hint: %1</translation>
    </message>
    <message>
        <source>自分の駒を経由して動かします</source>
        <translation>A piece moves only by first stepping onto one of your own pieces</translation>
    </message>
    <message>
        <source>そこへは動けません</source>
        <translation>The piece cannot move there</translation>
    </message>
    <message>
        <source>取り消しました</source>
        <translation>Move cancelled</translation>
    </message>
    <message>
        <source>続けて自分の駒か、止まるマスをクリックします</source>
        <translation>Click another of your pieces to go on, or the square to stop on</translation>
    </message>
    <message>
        <source>次に、この駒が踏む自分の駒をクリックします</source>
        <translation>Now click one of your pieces for this piece to step onto</translation>
    </message>
    <message>
        <source>相手の駒です</source>
        <translation>That is your opponent&apos;s piece</translation>
    </message>
    <message>
        <source>２歩になります</source>
        <translation>That would make two pawns on one file</translation>
    </message>
    <message>
        <source>打った駒では相手の駒を取れません</source>
        <translation>A dropped piece cannot capture</translation>
    </message>
    <message>
        <source>右クリックで成ります</source>
        <translation>Right-click to promote</translation>
    </message>
    <message>
        <source>次に、打つ駒を置く自分の駒をクリックします</source>
        <translation>Now click one of your pieces to place the dropped piece on</translation>
    </message>
    <message>
        <source>盤をクリックすると、この局面から続けます</source>
        <translation>Click the board to continue the game from this position</translation>
    </message>
    <message>
        <source>待ったできる手がありません</source>
        <translation>There is no move to take back</translation>
    </message>
    <message>
        <source>待ったしました。あなたの番です</source>
        <translation>Move taken back. Your turn</translation>
    </message>
    <message>
        <source>待ったしました。先手の番です</source>
        <translation>Move taken back. Sente&apos;s turn</translation>
    </message>
    <message>
        <source>待ったしました。後手の番です</source>
        <translation>Move taken back. Gote&apos;s turn</translation>
    </message>
    <message>
        <source>時間切れです</source>
        <translation>Out of time</translation>
    </message>
    <message>
        <source>投了しました</source>
        <translation>Resigned</translation>
    </message>
    <message>
        <source>相手を待っています</source>
        <translation>Waiting for the other player</translation>
    </message>
    <message>
        <source>相手に接続しています</source>
        <translation>Connecting to the other player</translation>
    </message>
    <message>
        <source>相手に接続できませんでした</source>
        <translation>Could not connect to the other player</translation>
    </message>
    <message>
        <source>接続が切れました</source>
        <translation>The connection was lost</translation>
    </message>
    <message>
        <source>相手の番です</source>
        <translation>The other player&apos;s turn</translation>
    </message>
    <message>
        <source>待ったの返事を待っています</source>
        <translation>Waiting for the answer to the take-back</translation>
    </message>
    <message>
        <source>ネット対局中はできません</source>
        <translation>Not during a network game</translation>
    </message>
    <message>
        <source>相手が投了しました</source>
        <translation>The other player resigned</translation>
    </message>
</context>
<context>
    <name>TimeControl</name>
    <message>
        <source>持ち時間%1</source>
        <translation>%1 main time</translation>
    </message>
    <message>
        <source>秒読み%1</source>
        <translation>%1 byoyomi</translation>
    </message>
    <message>
        <source>加算%1</source>
        <translation>+%1 per move</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1分</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
</context>
<context>
    <name>TimeControlDialog</name>
    <message>
        <source>持ち時間</source>
        <translation>Main time</translation>
    </message>
    <message>
        <source> 分</source>
        <translation> min</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>秒読み</source>
        <translation>Byoyomi</translation>
    </message>
    <message>
        <source>加算（1手ごと）</source>
        <translation>Increment (each move)</translation>
    </message>
    <message>
        <source>次に始める対局から使います。
すべて0にすると持ち時間なしです。</source>
        <translation>Used for the games you start from now on.
All 0: no time control.</translation>
    </message>
</context>
<context>
    <name>kumora::BoardDiagram</name>
    <message>
        <source>持駒</source>
        <translation>Hand</translation>
    </message>
</context>
<context>
    <name>kumora::EvalGraph</name>
    <message>
        <source>互角</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>%1 +%2</source>
        <extracomment>%1 the player ahead, %2 the lead in pawns</extracomment>
        <translation>%1 +%2</translation>
    </message>
</context>
<context>
    <name>kumora::GameWindow</name>
    <message>
        <source>雲羅将棋 Kumora Shogi</source>
        <translation>Kumora Shogi</translation>
    </message>
</context>
<context>
    <name>kumora::RulesWindow</name>
    <message>
        <source>遊び方 - 雲羅将棋</source>
        <translation>How to Play - Kumora Shogi</translation>
    </message>
    <message>
        <source>指した後</source>
        <translation>After the move</translation>
    </message>
</context>
<context>
    <name>kumora::SidePanel</name>
    <message>
        <source>開始局面</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>形勢（上が手前の人の有利）</source>
        <translation>Evaluation (up: the player at the bottom is ahead)</translation>
    </message>
</context>
</TS>
