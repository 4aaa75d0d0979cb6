// The pinyin candidates of the on-screen keyboard: the table in the
// resources against the syllables the keyboard offers and the character set
// it must cover, and the reader of its text form.
#include "ui/pinyintable.h"
#include "messagecatcher.h"

#include <QSet>
#include <QTextCodec>
#include <QtTest>

namespace {

// The syllables of the candidate table, in order.
const char kSyllables[] =
    "a, ai, an, ang, ao, ba, bai, ban, bang, bao, bei, ben, beng, bi, bian, biao, bie, bin, bing, bo, bu, "
    "ca, cai, can, cang, cao, ce, ceng, cha, chai, chan, chang, chao, che, chen, cheng, chi, chong, chou, "
    "chu, chuai, chuan, chuang, chui, chun, chuo, ci, cong, cou, cu, cuan, cui, cun, cuo, da, dai, dan, "
    "dang, dao, de, deng, di, dian, diao, die, ding, diu, dong, dou, du, duan, dui, dun, duo, e, en, er, "
    "fa, fan, fang, fei, fen, feng, fo, fou, fu, ga, gai, gan, gang, gao, ge, gei, gen, geng, gong, gou, "
    "gu, gua, guai, guan, guang, gui, gun, guo, ha, hai, han, hang, hao, he, hei, hen, heng, hong, hou, "
    "hu, hua, huai, huan, huang, hui, hun, huo, ji, jia, jian, jiang, jiao, jie, jin, jing, jiong, jiu, "
    "ju, juan, jue, jun, ka, kai, kan, kang, kao, ke, ken, keng, kong, kou, ku, kua, kuai, kuan, kuang, "
    "kui, kun, kuo, la, lai, lan, lang, lao, le, lei, leng, li, lian, liang, liao, lie, lin, ling, liu, "
    "long, lou, lu, luan, lue, lun, luo, lv, ma, mai, man, mang, mao, me, mei, men, meng, mi, mian, miao, "
    "mie, min, ming, miu, mo, mou, mu, na, nai, nan, nang, nao, ne, nei, nen, neng, ni, nian, niang, "
    "niao, nie, nin, ning, niu, nong, nu, nuan, nue, nuo, nv, o, ou, pa, pai, pan, pang, pao, pei, pen, "
    "peng, pi, pian, piao, pie, pin, ping, po, pou, pu, qi, qia, qian, qiang, qiao, qie, qin, qing, "
    "qiong, qiu, qu, quan, que, qun, ran, rang, rao, re, ren, reng, ri, rong, rou, ru, ruan, rui, run, "
    "ruo, sa, sai, san, sang, sao, se, sen, seng, sha, shai, shan, shang, shao, she, shen, sheng, shi, "
    "shou, shu, shua, shuai, shuan, shuang, shui, shun, shuo, si, song, sou, su, suan, sui, sun, suo, ta, "
    "tai, tan, tang, tao, te, teng, ti, tian, tiao, tie, ting, tong, tou, tu, tuan, tui, tun, tuo, wa, "
    "wai, wan, wang, wei, wen, weng, wo, wu, xi, xia, xian, xiang, xiao, xie, xin, xing, xiong, xiu, xu, "
    "xuan, xue, xun, ya, yan, yang, yao, ye, yi, yin, ying, yo, yong, you, yu, yuan, yue, yun, za, zai, "
    "zan, zang, zao, ze, zei, zen, zeng, zha, zhai, zhan, zhang, zhao, zhe, zhen, zheng, zhi, zhong, "
    "zhou, zhu, zhua, zhuai, zhuan, zhuang, zhui, zhun, zhuo, zi, zong, zou, zu, zuan, zui, zun, zuo";

// Characters 0xB0A1 to 0xD7F9 of GB 2312: the 3,755 characters of level 1.
QSet<QChar> levelOneCharacters()
{
    QTextCodec *codec = QTextCodec::codecForName("GB2312");
    QSet<QChar> set;
    if (!codec)
        return set;
    for (int row = 0xB0; row <= 0xD7; ++row) {
        // Row 55 ends at 0xF9; the codec maps the unused cells after it.
        for (int cell = 0xA1; cell <= (row == 0xD7 ? 0xF9 : 0xFE); ++cell) {
            const char bytes[] = {char(row), char(cell)};
            const QString decoded = codec->toUnicode(bytes, 2);
            if (decoded.size() == 1 && decoded.at(0) != QChar(QChar::ReplacementCharacter))
                set.insert(decoded.at(0));
        }
    }
    return set;
}

} // namespace

class TestPinyinTable : public QObject
{
    Q_OBJECT

private slots:
    void syllablesAreTheKeyboards()
    {
        PinyinTable table;
        const QStringList expected = QString::fromLatin1(kSyllables).split(QStringLiteral(", "));
        QCOMPARE(expected.size(), 396);
        QCOMPARE(table.syllables(), expected);
    }

    // Every level-1 character is offered, under exactly one syllable, and
    // nothing else is.
    void candidatesAreExactlyLevelOne()
    {
        const QSet<QChar> levelOne = levelOneCharacters();
        QCOMPARE(levelOne.size(), 3755);
        PinyinTable table;
        QHash<QChar, QString> owner;
        for (const QString &syllable : table.syllables()) {
            for (const QChar c : table.get(syllable)) {
                QVERIFY2(!owner.contains(c), qPrintable(QStringLiteral("%1 under %2 and %3")
                                                            .arg(c).arg(owner.value(c), syllable)));
                QVERIFY2(levelOne.contains(c), qPrintable(QStringLiteral("%1 (%2) is not level 1").arg(c, syllable)));
                owner.insert(c, syllable);
            }
        }
        QCOMPARE(owner.size(), levelOne.size());
    }

    void rows_data()
    {
        QTest::addColumn<QString>("syllable");
        QTest::addColumn<QString>("candidates");
        QTest::newRow("a") << "a" << "阿啊";
        QTest::newRow("ai") << "ai" << "哎哀唉埃挨皑癌矮蔼艾爱隘碍";
        QTest::newRow("e") << "e" << "讹俄娥峨鹅蛾额厄扼恶饿鄂遏";
        QTest::newRow("er") << "er" << "儿而尔耳洱饵二贰";
        QTest::newRow("hao") << "hao" << "毫豪嚎壕好郝号浩耗";
        QTest::newRow("lv") << "lv" << "滤驴吕侣旅铝屡缕履律虑率绿氯";
        QTest::newRow("ma") << "ma" << "妈麻马玛码蚂骂吗嘛";
        QTest::newRow("nv") << "nv" << "女";
        QTest::newRow("o") << "o" << "哦";
        QTest::newRow("zhong") << "zhong" << "中忠终盅钟衷肿种仲众重";
        QTest::newRow("zuo") << "zuo" << "昨左佐作坐座做";
        QTest::newRow("a beginning is no syllable") << "zh" << "";
        QTest::newRow("case counts") << "Ma" << "";
        QTest::newRow("nothing typed") << "" << "";
        QTest::newRow("past the last syllable") << "zzz" << "";
    }
    void rows()
    {
        QFETCH(QString, syllable);
        QFETCH(QString, candidates);
        QCOMPARE(PinyinTable().get(syllable), candidates);
    }

    void rowLengths()
    {
        PinyinTable table;
        QCOMPARE(table.get(QStringLiteral("ji")).size(), 54);
        QCOMPARE(table.get(QStringLiteral("yi")).size(), 53);
        QCOMPARE(table.get(QStringLiteral("shi")).size(), 48);
        QStringList single;
        int longest = 0;
        for (const QString &syllable : table.syllables()) {
            const int n = table.get(syllable).size();
            longest = qMax(longest, n);
            if (n == 1)
                single << syllable;
        }
        QCOMPARE(longest, 54);
        QCOMPARE(single.join(QLatin1Char(' ')),
                 QStringLiteral("ca chuai chuo cou diu en fo fou gei me miu nang ne nen neng nin nuan nv o pou "
                                "ri sen seng te yo zei zen zhua zhuai"));
    }

    void prefixes_data()
    {
        QTest::addColumn<QString>("chars");
        QTest::addColumn<bool>("prefix");
        QTest::newRow("an initial alone") << "z" << true;
        QTest::newRow("two-letter initial") << "zh" << true;
        QTest::newRow("inside a longer syllable") << "zho" << true;
        QTest::newRow("a whole syllable") << "zhong" << true;
        QTest::newRow("the first syllable") << "a" << true;
        QTest::newRow("the last syllable") << "zuo" << true;
        QTest::newRow("begins nothing") << "zx" << false;
        QTest::newRow("past a syllable") << "zhongg" << false;
        QTest::newRow("no syllable begins with v") << "v" << false;
        QTest::newRow("capital") << "Z" << false;
        QTest::newRow("nothing typed") << "" << false;
    }
    void prefixes()
    {
        QFETCH(QString, chars);
        QFETCH(bool, prefix);
        QCOMPARE(PinyinTable().isPrefix(chars), prefix);
    }

    // What pinyin typing relies on: every beginning of every syllable is
    // accepted on the way to it.
    void everySyllableCanBeTypedLetterByLetter()
    {
        PinyinTable table;
        for (const QString &syllable : table.syllables())
            for (int n = 1; n <= syllable.size(); ++n)
                QVERIFY2(table.isPrefix(syllable.left(n)), qPrintable(syllable.left(n)));
    }

    void isReadOnFirstQuestion()
    {
        PinyinTable table;
        QVERIFY(!table.isLoaded());
        QVERIFY(!table.isPrefix(QString()));
        table.get(QStringLiteral("ma"));
        QVERIFY(table.isLoaded());
    }

    // A damaged line is reported and left out; the good lines stay usable.
    void readerKeepsGoodLines()
    {
        const QByteArray text = "# comment\n"
                                "\n"
                                "an 安\n"
                                "Ba 八\n"    // not lowercase
                                "bai\n"      // no candidates
                                "ban 半 办\n" // two fields
                                "ba 八巴\n"
                                "ba 把\n"    // repeated
                                "ai 爱\n"    // out of order
                                "bao 包";    // no final newline
        const PinyinTable::Parsed parsed = PinyinTable::parse(text);
        QCOMPARE(parsed.syllables, (QStringList{"an", "ba", "bao"}));
        QCOMPARE(parsed.candidates, (QStringList{"安", "八巴", "包"}));
        QCOMPARE(parsed.errors.size(), 5);
        QVERIFY(parsed.errors.at(0).startsWith(QLatin1String("line 4:")));
        QVERIFY(parsed.errors.at(4).startsWith(QLatin1String("line 9:")));
    }

    void resourceTableReadsCleanly()
    {
        MessageCatcher catcher;
        QVERIFY(!PinyinTable().syllables().isEmpty());
        QCOMPARE(catcher.warnings(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestPinyinTable)
#include "tst_pinyintable.moc"
