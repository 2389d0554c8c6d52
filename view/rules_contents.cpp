#include "view/rules_contents.h"

#include "core/translation.h"
#include "settings/handicap.h"

// Piece codes as everywhere in the program: negative codes are the lower
// player's (the person's) pieces, positive codes the upper player's.

namespace kumora {

namespace {

// Writes a diagram as a caption and an excerpt followed by what differs from
// a plain left-button move that is played.
class Diagram {
 public:
  Diagram(std::string caption, int left_file, int right_file, int top_rank, int bottom_rank) {
    d_.caption = std::move(caption);
    d_.left_file = left_file;
    d_.right_file = right_file;
    d_.top_rank = top_rank;
    d_.bottom_rank = bottom_rank;
  }
  Diagram& pieces(std::vector<DiagramPiece> pieces) { return set(d_.pieces, std::move(pieces)); }
  Diagram& hand(std::vector<int> hand) { return set(d_.hand, std::move(hand)); }
  Diagram& clicks(std::vector<DiagramSquare> clicks) { return set(d_.clicks, std::move(clicks)); }
  Diagram& marks(DiagramMarks marks) { return set(d_.marks, marks); }
  Diagram& outcome(MoveOutcome outcome) { return set(d_.outcome, outcome); }
  Diagram& right_button() { return set(d_.right_button, true); }
  Diagram& promotion_zone() { return set(d_.promotion_zone, true); }
  Diagram& show_result() { return set(d_.show_result, true); }
  operator RuleDiagram() const { return d_; }

 private:
  template <typename T>
  Diagram& set(T& field, T value) {
    field = std::move(value);
    return *this;
  }
  RuleDiagram d_;
};

// The grade names from "▽"'s or "△"'s first step to its last, "、" between.
std::string grade_ladder(int first, int last) {
  const int step = last > first ? 1 : -1;
  std::string ladder;
  for (int grade = first;; grade += step) {
    ladder += grade_name(grade);
    if (grade == last) return ladder;
    ladder += tr_text("Rules", "、");
  }
}

RuleSection chain_move_section() {
  RuleSection section{tr_text("Rules", "駒の動かし方（つなぎ移動）"), {}, {}};
  section.paragraphs = {
      tr_text("Rules",
              "駒は、まず自分の駒のどれかに乗り移らなければ動けません。乗り移れるのは、"
              "その駒がいつもの動き方で行けるマスにある自分の駒です。"),
      tr_text("Rules",
              "乗り移った先からは、そこにある駒の動き方で進みます。進んだ先がまた自分の駒なら、"
              "今度はその駒の動き方で続けます。こうして一つずつつないで、空いたマスに着くか、"
              "相手の駒を取ったところで手が終わります。"),
      tr_text(
          "Rules",
          "動くのは最初に選んだ駒だけで、途中で乗った駒は元のマスに残ります。同じ駒を何度"
          "通ってもかまいません。飛・角・香は間に駒があると通れませんが、桂は駒を飛び越せます。"),
      tr_text("Rules",
              "ですから、歩を１マス前の空いたマスに進めるような普通の指し方はできません。"
              "行ける所に自分の駒が一つも無い駒は動けません。"),
  };
  section.diagrams = {
      Diagram(tr_text("Rules", "飛が２七の歩に乗り移り、歩の動きで２六へ。歩は２七に残ります。"), 4,
              1, 5, 9)
          .pieces(initial_pieces(4, 1, 5, 9))
          .clicks({at(2, 8), at(2, 7), at(2, 6)})
          .show_result(),
      Diagram(tr_text("Rules", "７七の歩は、前の７六が空いていても進めません。"), 9, 5, 5, 9)
          .pieces(initial_pieces(9, 5, 5, 9))
          .clicks({at(7, 7), at(7, 6)})
          .outcome(MoveOutcome::NotAChain),
      Diagram(tr_text("Rules", "角なら７七の歩に乗り、歩の動きで７六へ行けます。"), 9, 5, 5, 9)
          .pieces(initial_pieces(9, 5, 5, 9))
          .clicks({at(8, 8), at(7, 7), at(7, 6)}),
      Diagram(tr_text("Rules",
                      "三つつなぐ手：桂→３七の歩→３六の銀→２五の金と乗り継ぎ、"
                      "金の動きで２四へ。"),
              4, 1, 4, 9)
          .pieces({{at(2, 9), -KNIGHT},
                   {at(3, 7), -PAWN},
                   {at(3, 6), -SILVER},
                   {at(2, 5), -GOLD},
                   {at(1, 9), -LANCE},
                   {at(1, 7), -PAWN},
                   {at(4, 7), -PAWN},
                   {at(1, 4), PAWN}})
          .clicks({at(2, 9), at(3, 7), at(3, 6), at(2, 5), at(2, 4)}),
      Diagram(tr_text("Rules",
                      "取る手：歩が５六の角に乗り、角の動きで２三の飛を取ります。"
                      "取った飛は持駒になります。"),
              5, 1, 2, 7)
          .pieces({{at(5, 7), -PAWN},
                   {at(5, 6), -BISHOP},
                   {at(1, 7), -PAWN},
                   {at(2, 3), ROOK},
                   {at(1, 3), PAWN},
                   {at(3, 3), PAWN},
                   {at(3, 2), GOLD}})
          .clicks({at(5, 7), at(5, 6), at(2, 3)})
          .show_result(),
  };
  return section;
}

RuleSection drop_section() {
  RuleSection section{tr_text("Rules", "持駒を打つ"), {}, {}};
  section.paragraphs = {
      tr_text("Rules", "取った相手の駒は持駒になり、自分の番に盤の右の駒台から使えます。"),
      tr_text("Rules",
              "持駒も、いきなり空いたマスには打てません。まず自分の駒の上に打つように乗せ、"
              "そこからはその駒の動き方で進んで、空いたマスで止まります。つなぎ方は盤上の駒と同じで"
              "す。"),
      tr_text("Rules",
              "最初に乗せる駒は、そこが空いていれば打てるマスにある駒に限ります。歩と香は一段目、"
              "桂は一段目と二段目に打てないので、そこにある駒には乗せられません。"),
      tr_text("Rules",
              "打った駒は相手の駒を取れず（「張り駒で相手駒を取れません」）、打ったその手では成れま"
              "せん。"),
  };
  section.diagrams = {
      Diagram(tr_text("Rules", "持駒の歩を５五の金に乗せ、金の動きで５四に打ちます。"), 6, 3, 3, 7)
          .pieces({{at(5, 5), -GOLD}, {at(6, 7), -PAWN}, {at(4, 7), -PAWN}, {at(5, 3), PAWN}})
          .hand({-PAWN})
          .clicks({from_hand(-PAWN), at(5, 5), at(5, 4)}),
      Diagram(tr_text("Rules", "持駒の銀を３七の桂に乗せ、桂→２五の歩とつないで２四へ。"), 4, 1, 3,
              7)
          .pieces({{at(3, 7), -KNIGHT},
                   {at(2, 5), -PAWN},
                   {at(1, 6), -PAWN},
                   {at(2, 3), PAWN},
                   {at(1, 3), PAWN}})
          .hand({-SILVER})
          .clicks({from_hand(-SILVER), at(3, 7), at(2, 5), at(2, 4)}),
      Diagram(tr_text("Rules",
                      "打った駒は取れません：角を５六の歩に乗せると、歩の動きでは"
                      "５五の相手の歩に当たるので、この手は指せません。"),
              6, 3, 3, 7)
          .pieces({{at(5, 6), -PAWN}, {at(6, 7), -PAWN}, {at(5, 5), PAWN}, {at(4, 3), PAWN}})
          .hand({-BISHOP})
          .clicks({from_hand(-BISHOP), at(5, 6), at(5, 5)})
          .outcome(MoveOutcome::DropCaptures),
  };
  return section;
}

RuleSection promotion_section() {
  RuleSection section{tr_text("Rules", "成り"), {}, {}};
  section.paragraphs = {
      tr_text("Rules",
              "盤の上から三段（図の赤いところ）が敵陣です。手の最後のマスをマウスの右ボタンで"
              "クリックすると、成れる手なら成ります。左ボタンなら成りません。"),
      tr_text("Rules",
              "歩・香・桂は、最後のマスが敵陣のときに成れます。銀・角・飛は、それに加えて"
              "敵陣から出る手でも成れます。金と王は成りません。"),
      tr_text("Rules",
              "歩と香が一段目に、桂が一段目か二段目に着くときは必ず成ります。左ボタンで"
              "クリックすると「マウスの右をクリックして下さい」と出るので、同じマスを右ボタンで"
              "クリックし直します。"),
  };
  const std::vector<DiagramPiece> knight_position = {{at(4, 5), -KNIGHT}, {at(3, 3), -GOLD},
                                                     {at(5, 6), -PAWN},   {at(4, 1), SILVER},
                                                     {at(5, 3), PAWN},    {at(2, 3), PAWN}};
  section.diagrams = {
      Diagram(tr_text("Rules",
                      "歩が４四の金に乗って４三へ。最後の４三を右クリックすると と に成ります。"),
              6, 2, 1, 5)
          .pieces({{at(4, 5), -PAWN},
                   {at(4, 4), -GOLD},
                   {at(5, 3), PAWN},
                   {at(3, 3), PAWN},
                   {at(4, 1), GOLD}})
          .clicks({at(4, 5), at(4, 4), at(4, 3)})
          .right_button()
          .promotion_zone()
          .show_result(),
      Diagram(tr_text("Rules",
                      "桂が３三の金に乗って３二へ。二段目の桂は必ず成るので、"
                      "左クリックでは指せません。"),
              6, 2, 1, 6)
          .pieces(knight_position)
          .clicks({at(4, 5), at(3, 3), at(3, 2)})
          .outcome(MoveOutcome::NeedsRightButton)
          .promotion_zone(),
      Diagram(tr_text("Rules", "同じ手を右クリックすると、桂は成って成桂になります。"), 6, 2, 1, 6)
          .pieces(knight_position)
          .clicks({at(4, 5), at(3, 3), at(3, 2)})
          .right_button()
          .promotion_zone(),
      Diagram(tr_text("Rules",
                      "銀は敵陣から出る手でも成れます：５三の金に乗って５四へ、右クリックで成銀。"),
              7, 3, 1, 5)
          .pieces({{at(4, 2), -SILVER},
                   {at(5, 3), -GOLD},
                   {at(6, 3), PAWN},
                   {at(5, 1), KING},
                   {at(6, 1), GOLD}})
          .clicks({at(4, 2), at(5, 3), at(5, 4)})
          .right_button()
          .promotion_zone()
          .show_result(),
  };
  return section;
}

RuleSection two_pawns_section() {
  RuleSection section{tr_text("Rules", "二歩"), {}, {}};
  section.paragraphs = {
      tr_text("Rules",
              "成っていない自分の歩がある筋（縦の列）に、もう一枚歩を置くことはできません"
              "（「２歩なので打てません」）。持駒の歩を打つときも、つなぎ移動で歩を別の筋に"
              "運ぶときも同じです。"),
      tr_text("Rules",
              "その手で成るとき（最後のマスを右クリックして と になるとき）だけは置けます。"
              "と は歩に数えません。打った歩は成れないので、歩のある筋には打てません。"),
  };
  section.diagrams = {
      Diagram(tr_text("Rules",
                      "４七に歩があるので、持駒の歩を４六の金に乗せて４五へ打つことはできません。"),
              6, 2, 3, 7)
          .pieces({{at(4, 6), -GOLD},
                   {at(4, 7), -PAWN},
                   {at(3, 7), -PAWN},
                   {at(5, 7), -PAWN},
                   {at(4, 3), PAWN}})
          .hand({-PAWN})
          .clicks({from_hand(-PAWN), at(4, 6), at(4, 5)})
          .outcome(MoveOutcome::TwoPawns),
      Diagram(
          tr_text("Rules", "２六に歩があっても、２三で成るなら歩を２筋へ運べます（右クリック）。"),
          5, 1, 2, 6)
          .pieces({{at(3, 5), -PAWN},
                   {at(3, 4), -SILVER},
                   {at(2, 6), -PAWN},
                   {at(2, 2), SILVER},
                   {at(1, 3), PAWN},
                   {at(4, 3), PAWN}})
          .clicks({at(3, 5), at(3, 4), at(2, 3)})
          .right_button()
          .promotion_zone(),
  };
  return section;
}

RuleSection end_of_game_section() {
  RuleSection section{tr_text("Rules", "勝ち負け"), {}, {}};
  section.paragraphs = {
      tr_text("Rules", "相手の王を取ったら勝ちです。"),
      tr_text("Rules",
              "自分の番に、動かせる駒も打てる持駒も無くなったら負けです"
              "（「移動できる駒が無くなりました」）。"),
      tr_text("Rules",
              "王手の禁止はありません。王手をかけられても逃げる必要はなく、自分の王が取られる所へも"
              "動けます。ｺﾝﾋﾟｭｰﾀが王手をかけたときは「** 王手 **」と知らせます。"),
  };
  section.diagrams = {
      Diagram(tr_text("Rules", "銀が５三の香に乗り、香の動きで５一の王を取って勝ちです。"), 7, 3, 1,
              5)
          .pieces({{at(4, 4), -SILVER},
                   {at(5, 3), -LANCE},
                   {at(5, 1), KING},
                   {at(6, 1), GOLD},
                   {at(4, 1), GOLD},
                   {at(6, 3), PAWN}})
          .clicks({at(4, 4), at(5, 3), at(5, 1)}),
      Diagram(tr_text("Rules",
                      "王と歩しか残っておらず、どちらにも乗り移れる自分の駒がありません。"
                      "持駒も無いので、この番で負けです。"),
              9, 1, 6, 9)
          .pieces({{at(5, 9), -KING},
                   {at(9, 7), -PAWN},
                   {at(5, 8), GOLD},
                   {at(4, 8), TOKIN},
                   {at(6, 7), DRAGON}})
          .marks(DiagramMarks::NoMove),
  };
  return section;
}

// The squares "△" (or "▽") empties, in the order of its presses.
std::vector<DiagramSquare> handicap_order(int first_grade, int last_grade) {
  std::vector<DiagramSquare> squares;
  const int step = last_grade > first_grade ? 1 : -1;
  for (int grade = first_grade;; grade += step) {
    const HandicapSquare square = handicap_square(grade);
    squares.push_back({square.x, square.y});
    if (grade == last_grade) return squares;
  }
}

RuleSection handicap_section() {
  RuleSection section{tr_text("Rules", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ"), {}, {}};
  section.paragraphs = {
      tr_text("Rules",
              "駒を落として、ｺﾝﾋﾟｭｰﾀとの力の差を調整できます。１手目を指す前に、メニューの"
              "「▽」「△」を押します。押すたびに盤の右の表示が変わります。平手は ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級 "
              "です。"),
      fill_in(tr_text("Rules",
                      "「▽」はあなた（下側）の駒を１枚ずつ減らし、%1"
                      "と進みます。名人では王と歩だけで指します。"),
              {grade_ladder(-1, LOWEST_GRADE)}),
      fill_in(tr_text("Rules",
                      "「△」はｺﾝﾋﾟｭｰﾀ（上側）の駒を１枚ずつ減らし、%1"
                      "と進みます。12級ではｺﾝﾋﾟｭｰﾀが王と歩だけになります。"
                      "反対の「▽」「△」を押すと、駒は１枚ずつ戻ります。"),
              {grade_ladder(1, HIGHEST_GRADE)}),
      tr_text("Rules",
              "駒の減る順番は図の番号のとおりです。１手指した後や「反転」の後は変えられません。"
              "「局面」→「最初」で平手に戻ります。"),
  };
  section.diagrams = {
      Diagram(tr_text("Rules", "「△」で減るｺﾝﾋﾟｭｰﾀの駒（数字は減る順番）"), 9, 1, 1, 3)
          .pieces(initial_pieces(9, 1, 1, 3))
          .marks(DiagramMarks::Numbered)
          .clicks(handicap_order(1, HIGHEST_GRADE)),
      Diagram(tr_text("Rules", "「▽」で減るあなたの駒（数字は減る順番）"), 9, 1, 7, 9)
          .pieces(initial_pieces(9, 1, 7, 9))
          .marks(DiagramMarks::Numbered)
          .clicks(handicap_order(0, LOWEST_GRADE + 1)),
  };
  return section;
}

RuleSection guidance_section() {
  RuleSection section{tr_text("Rules", "移動指導"), {}, {}};
  section.paragraphs = {
      tr_text(
          "Rules",
          "「ｵﾌﾟｼｮﾝ」→「移動指導」に印を付けると、次にクリックできるマスが白い枠で示されます。"),
      tr_text("Rules",
              "駒を選んだ直後は、乗り移れる自分の駒だけに枠が付きます。一つ乗り移った後は、"
              "その駒の動き方で行けるマスすべて（さらにつなぐ自分の駒、止まれる空きマス、"
              "取れる相手の駒）に枠が付きます。"),
      tr_text("Rules",
              "いま乗っている駒は赤い枠、動かしている駒の元のマスは水色の枠で示されます。"),
  };
  const std::vector<DiagramPiece> position = {
      {at(5, 8), -GOLD}, {at(5, 7), -PAWN},   {at(4, 7), -PAWN}, {at(6, 8), -SILVER},
      {at(5, 9), -KING}, {at(4, 9), -SILVER}, {at(7, 7), TOKIN}};
  section.diagrams = {
      Diagram(tr_text("Rules",
                      "５八の金を選んだところ：金が乗り移れる自分の駒に枠が付きます"
                      "（空いたマスにはまだ付きません）。"),
              8, 3, 5, 9)
          .pieces(position)
          .marks(DiagramMarks::Guidance)
          .clicks({at(5, 8)}),
      Diagram(tr_text("Rules",
                      "６八の銀に乗り移ったところ：銀の動きで行けるマスすべてに枠が付きます。"
                      "７七の相手の と も取れます。"),
              8, 3, 5, 9)
          .pieces(position)
          .marks(DiagramMarks::Guidance)
          .clicks({at(5, 8), at(6, 8)}),
  };
  return section;
}

RuleSection mouse_section() {
  RuleSection section{tr_text("Rules", "マウスとキーの操作"), {}, {}};
  section.paragraphs = {
      tr_text("Rules",
              "・対局：「対局」→「対局(COM)」→「先手」か「後手」でｺﾝﾋﾟｭｰﾀと、「対局(人間)」→"
              "「スタート」で二人で指します。ｺﾝﾋﾟｭｰﾀの強さは「COM対局ﾚﾍﾞﾙ」で選びます。"),
      tr_text("Rules",
              "・指し方：動かす駒（持駒なら盤の右の駒台の駒）をクリックし、乗り移る自分の駒を"
              "順にクリックして、最後に止まる空きマスか取る相手の駒をクリックします。成るときは"
              "最後のマスを右クリックします。"),
      tr_text("Rules",
              "・取消：最初に選んだ駒をもう一度クリックすると、作りかけの手は取り消されます。"),
      tr_text("Rules",
              "・「戻」「進」（キーの ← →）：一手ずつ戻す・進める。戻した局面で盤をクリックすると、"
              "そこから対局を続けます。"),
      tr_text("Rules",
              "・「局面」→「待った」（Ctrl+Z）：ｺﾝﾋﾟｭｰﾀとの対局では、あなたの一つ前の手番まで"
              "戻して続けます。二人の対局では一手戻します。"),
      tr_text("Rules",
              "・「局面」→「最初」：初めの局面に戻します。「局面」→「反転」：盤を回します。"),
      tr_text("Rules",
              "・「棋譜」→「読込」（Ctrl+O）・「書込」（Ctrl+S）：棋譜ファイル（.棋譜）を読み込み、"
              "保存します。読み込んだ棋譜は「進」で一手ずつ見られます。"),
      tr_text("Rules", "・「ｵﾌﾟｼｮﾝ」：背景画、移動指導、経過時間、BGM を切り替えます。"),
      tr_text(
          "Rules",
          "・「対局」→「前回の続き」：終わっていない最後の対局を続けます。「棋譜」→「最近の対局」："
          "これまでの対局を新しい順に選んで読み込みます。"),
      tr_text("Rules",
              "・F1 か「その他」→「遊び方」：この窓を開きます（Esc で閉じます）。ゲームは Esc か"
              "「対局」→「終わり」で終了します。"),
  };
  section.diagrams = {
      Diagram(tr_text("Rules",
                      "駒台の歩（①）を選び、５六の金（②）に乗せたところ。"
                      "白い枠のマスをクリックすると打ち終わります。"),
              7, 3, 4, 8)
          .pieces({{at(5, 6), -GOLD}, {at(4, 7), -SILVER}, {at(6, 8), -GOLD}})
          .hand({-PAWN, -PAWN})
          .marks(DiagramMarks::Guidance)
          .clicks({from_hand(-PAWN), at(5, 6)}),
  };
  return section;
}

}  // namespace

std::vector<std::string> rules_introduction() {
  return {
      tr_text("Rules",
              "雲羅将棋は、駒が自分の駒を足場にして動く将棋です。盤と駒の並べ方、取った駒が持駒に"
              "なること、成り、二歩は普通の将棋と同じで、違うのは駒の動かし方（持駒の打ち方も）と"
              "勝ち負けの決まり方です。"),
      tr_text("Rules",
              "図では盤の下側があなたの駒です。丸数字はクリックする順番（赤い丸は右クリック）、"
              "矢印は駒の通り道、✕ はできない手を表します。"),
  };
}

std::vector<RuleSection> rule_sections() {
  return {
      chain_move_section(),  drop_section(),     promotion_section(), two_pawns_section(),
      end_of_game_section(), handicap_section(), guidance_section(),  mouse_section(),
  };
}

}  // namespace kumora
