#include "lessons/Commentary.h"

#include <algorithm>
#include <array>

namespace wuzi {

namespace {

constexpr std::array kCommentary = {
    Commentary{1, 10, "Vesk十式", "也可以看作是一个八卦阵。"},
    Commentary{2, 14, "Vesk十式", "防守梅花阵。"},
    Commentary{3, 4, "Vesk十式", "颇难防守的开局。"},
    Commentary{4, 12, "Vesk十式", "防守剑阵。其实黑棋必胜的，但是一般菜鸟90%都不知道该如何走。"},
    Commentary{7, 8, "Vesk十式", "八卦阵是一种很好的防守棋路。"},
    Commentary{8, 8, "Vesk十式", "八卦阵是一种很好的防守棋路。"},
    Commentary{11, 8, "Vesk十式", "防守梅花阵。"},
    Commentary{18, 3, "Vesk十式", "本人最常走的开局之一。"},
    Commentary{20, 11, "提示", "黑棋必败！具体棋路可与Marrowick棋手研究。"},
    Commentary{21, 9, "提示",
               "黑棋必败，因为黑棋未对白棋做必要的防守。\r\n"
               "具体棋路可与Marrowick棋手研究。"},
    Commentary{22, 7, "提示", "黑棋必败！具体棋路可与Marrowick棋手研究。"},
    Commentary{
        27, 4, "Vesk十式",
        "我们一开始就假设黑棋会连三，这是预先判断。如果那样的话，我们必须得堵任意他一头。\r\n"
        "但是我们堵对方用到的的这个子不能毫无作用，要使它跟我们已有的子构成联系。这是关键。"},
    Commentary{
        27, 5, "Vesk十式",
        "哈哈，黑棋上当了。如果他连三则白棋就占据了优势，因为看似离得比较远，但其可以连续活三。\r\n"
        "如果黑棋此时不连三，而选择活二，白棋基本上就没戏了。"},
    Commentary{28, 5, "Vesk十式", "哈哈，黑棋又上当了。跟上面的棋局一样！"},
    Commentary{29, 1, "Vesk十式", "这就是先手的优势！即使随便走，只要别走在边角同样有一定威胁！"},
    Commentary{29, 5, "Vesk十式",
               "虽然看起来走得天马行空，但是其实都是有联系的，为连续活三做准备！"},
    Commentary{30, 1, "Vesk十式",
               "还是仗着先手的优势！既然对方是菜鸟，我们不妨就让让他主动放弃一子！"},
    Commentary{30, 9, "Vesk十式", "暂时没什么威胁，我们再放弃一子！"},
    Commentary{30, 21, "Vesk十式", "再来一子！嘿嘿。"},
    Commentary{30, 25, "Vesk十式", "酷吧？只要不用防守了，黑棋就胜了！"},
    Commentary{31, 9, "Vesk十式", "既然是无禁手，这一点就变成了必胜点！"},
    Commentary{32, 28, "Vesk十式", "以上是八卦阵常规走法！具体棋路可与Corvane棋手研究。"},
    Commentary{41, 2, "Vesk十式",
               "看到好多人都喜欢这么走，不知道都是跟谁学的。有点像“Vesk十式”的“神出鬼没”！\r\n"
               "同样，这么防守也是必败的。既然不是我创的，那我们就破了它！嘿嘿~"},
    Commentary{47, 15, "Vesk十式", "一子双杀！"},
};

} // namespace

std::span<const Commentary> CommentaryTable() {
    return kCommentary;
}

const Commentary* FindCommentary(int game, int step) {
    auto found = std::find_if(kCommentary.begin(), kCommentary.end(), [&](const Commentary& c) {
        return c.game == game && c.step == step;
    });
    return found == kCommentary.end() ? nullptr : &*found;
}

} // namespace wuzi
