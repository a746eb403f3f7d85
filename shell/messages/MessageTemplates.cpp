#include "shell/messages/MessageTemplates.h"

#include <algorithm>
#include <array>

namespace vokg {

namespace {

// Messages 81 to 90 belong to the firmware export, whose users read Japanese: their texts are
// fixed and never looked up by language. Messages 21 and 22 had no wording of their own; the
// start-up needs one when the function tables cannot be read, so they name the file.
constexpr std::array kTemplates = std::to_array<MessageTemplate>({
    {1, u"{1001}\n\n{d1}"},
    {2, u"{1002}"},
    {4, u"{1003}"},
    {7, u"{1004}"},
    {8, u"{1005}\n\n*.dsg, VOKG*.dat"},
    {9, u"{1006}\n\n{d1}"},
    {11, u"{1008}"},
    {12, u"{1009}"},
    {13, u"{1010}\n\n{d1}"},
    {18, u"{1011}\n\n{d1}"},
    {19, u"{1012}"},
    {21, u"Failed to read the input function table (Set06.e)."},
    {22, u"Failed to read the output function table (Set07.e)."},
    {24, u"{1013}"},
    {25, u"{1014}"},
    {26, u"{1015}"},
    {28, u"{1016}\n\nMin = {d1}\nMax = {d2}"},
    {32, u"{1021}"},
    {36, u"{1022}\n\n{1023}"},
    {37, u"{1016}\n\nMin = 0、Max = 9999"},
    {38, u"{1024}"},
    {39, u"{1025}\n\n{d1}"},
    {40, u"{1320}\n\n{d1}"},
    {42, u"{1324}"},
    {44, u"{1327}\n\n{1326}"},
    {46, u"This S/W runs already!"},
    {48, u"{1369}"},
    {53, u"{1443}"},
    {54, u"{1444}"},
    {55, u"{1128}"},
    {57, u"{1130}"},
    {58, u"{1133}"},
    {59, u"{1134}"},
    {60, u"{1363}"},
    {61, u"{1373}\n\n{d1}"},
    {63, u"{1320}\n\n{d1}"},
    {64, u"{1374}"},
    {65, u"{1004}"},
    {66, u"{1376}"},
    {67, u"{1369}"},
    {69, u"{1460}"},
    {71, u"[{d1}]\n\n{1466}"},
    {72, u"{1467}"},
    {74, u"{1492}"},
    {75, u"{1493}"},
    {76, u"{1495}"},
    {77, u"{1496}"},
    {78, u"{1504}"},
    {79, u"[{d1}]\n\n{1505}"},
    {80, u"{1506}"},
    {81, u"ファイルが存在しません."},
    {82, u"次のキーワードがひな形zrdl_Model.cに見つかりません.\n\n{d1}"},
    {83, u"次の行に(ushort)か(uchar)が見つかりません.\n\n{d1}"},
    {84, u"処理が終了しました."},
    {85, u"機種を入力してください."},
    {86, u"次の行に[値]の表記がありません.\n\n{d1}"},
    {87, u"次の信号がひな形zrdl_Model.cに見つかりません.\n\n{d1}"},
    {88, u"新しく作成するファイルを指定してください."},
    {89, u"未知の値です. 値={d1}"},
    {90, u"フォルダが存在しません."},
    // The resource text already ends in "=" after its own blank line; the limit is fixed.
    {91, u"{1509}8"},
    {92, u"{1511}\n\n{1297} = {d1}\nMIN = {d2}\nMAX = {d3}\n{1512} = {d4}"},
    {93, u"{1513}"},
    {94, u"{1566}"},
    {95, u"{1571}"},
    {99, u"{1576}"},
    {100, u"{1577}"},
    {101, u"{1578}"},
    {102, u"{1589}"},
    {103, u"{1593}\n\n{d1}\n\n{1594}"},
    {104, u"{1595}\n\n{d1}"},
    {105, u"{1596}\n\n{d1}"},
    {106, u"{1597}\n\n{d1}"},
});

constexpr bool SortedByNumberOnce() {
    for (std::size_t i = 1; i < kTemplates.size(); ++i)
        if (kTemplates[i - 1].number >= kTemplates[i].number)
            return false;
    return true;
}
static_assert(SortedByNumberOnce(), "message templates must stay sorted by number, each number once");

} // namespace

std::span<const MessageTemplate> MessageTemplates() {
    return kTemplates;
}

const char16_t* FindMessageTemplate(int number) {
    const auto found =
        std::lower_bound(kTemplates.begin(), kTemplates.end(), number,
                         [](const MessageTemplate& entry, int wanted) { return entry.number < wanted; });
    if (found == kTemplates.end() || found->number != number)
        return nullptr;
    return found->text;
}

} // namespace vokg
