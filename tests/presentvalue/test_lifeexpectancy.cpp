#include <QTest>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "presentvalue/lifeexpectancy.h"

using namespace corvell;

namespace {

// The published table as printed, three age groups to a row: age, male,
// female. "-" marks the two female cells the publication leaves out.
constexpr const char* kPublished = R"(
  1  71.53  78.42    38  36.83  42.50    75   9.24  12.05
  2  70.58  77.48    39  35.94  41.55    76   8.76  11.43
  3  69.62  76.51    40  35.05  40.61    77   8.29  10.83
  4  68.65  75.54    41  34.15  39.66    78   7.83  10.24
  5  67.67  74.56    42  33.26  38.72    79   7.40   9.67
  6  66.69  73.57    43  32.37  37.78    80   6.98   9.11
  7  65.71  72.59    44  31.49  36.85    81   6.59      -
  8  64.73  71.60    45  30.61  35.92    82   6.21   8.06
  9  63.74  70.61    46  29.74  35.00    83   5.85   7.56
 10  62.75  69.62    47  28.88  34.08    84   5.51   7.08
 11  61.76  68.63    48  28.02  33.17    85   5.19   6.63
 12  60.78  67.64    49  27.17  32.27    86   4.89   6.20
 13  59.79  66.65    50  26.32  31.37    87   4.61   5.79
 14  58.82  65.67    51  25.48  30.48    88   4.34   5.41
 15  57.85  64.68    52  24.65  29.60    89   4.09   5.05
 16  56.91  63.71    53  23.82  28.72    90   3.86   4.71
 17  55.97  62.74    54  23.01  27.86    91   3.64   4.40
 18  55.05  61.77    55  22.21  27.00    92   3.43   4.11
 19  54.13      -    56  21.43  26.15    93   3.24   3.84
 20  53.21  59.83    57  20.66  25.31    94   3.06   3.59
 21  52.29  58.86    58  19.90  24.48    95   2.90   3.36
 22  51.38  57.89    59  19.15  23.67    96   2.74   3.16
 23  50.46  56.92    60  18.42  22.86    97   2.60   2.97
 24  49.55  55.95    61  17.70  22.06    98   2.47   2.80
 25  48.63  54.98    62  16.99  21.27    99   2.34   2.64
 26  47.72  54.02    63  16.30  20.49   100   2.22   2.48
 27  46.80  53.05    64  15.62  19.72   101   2.11   2.34
 28  45.88  52.08    65  14.96  18.96   102   1.99   2.20
 29  44.97  51.12    66  14.32  18.21   103   1.89   2.06
 30  44.06  50.15    67  13.70  17.48   104   1.78   1.93
 31  43.15  49.19    68  13.09  16.76   105   1.68   1.81
 32  42.24  48.23    69  12.50  16.04   106   1.59   1.69
 33  41.33  47.27    70  11.92  15.35   107   1.50   1.58
 34  40.23  46.31    71  11.35  14.66   108   1.41   1.48
 35  39.52  45.35    72  10.80  13.99   109   1.33   1.38
 36  38.62  44.40    73  10.27  13.33   110   1.25   1.28
 37  37.73  43.45    74   9.27  12.68
)";

struct PublishedCell {
    int age = 0;
    std::string male;
    std::string female;
};

std::vector<PublishedCell> publishedCells() {
    std::vector<PublishedCell> cells;
    std::istringstream in(kPublished);
    PublishedCell cell;
    while (in >> cell.age >> cell.male >> cell.female) {
        cells.push_back(cell);
    }
    return cells;
}

}  // namespace

class TestLifeExpectancy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every cell, the first and last ages, the cells that look smoothed and
    // the whole numbers among them.
    void everyPublishedCellAsPrinted() {
        const std::vector<PublishedCell> cells = publishedCells();
        QCOMPARE(cells.size(), std::size_t{110});
        int gaps = 0;
        for (const PublishedCell& cell : cells) {
            QCOMPARE(lifeExpectancy(Gender::Male, cell.age), std::stod(cell.male));
            if (cell.female == "-") {
                ++gaps;
                continue;
            }
            QCOMPARE(lifeExpectancy(Gender::Female, cell.age), std::stod(cell.female));
        }
        QCOMPARE(gaps, 2);
    }

    void missingFemaleCellsLieBetweenNeighbours() {
        QCOMPARE(lifeExpectancy(Gender::Female, 19), 60.80);
        QCOMPARE(lifeExpectancy(Gender::Female, 81), 8.58);
        QVERIFY(lifeExpectancy(Gender::Female, 18) > 60.80 &&
                60.80 > lifeExpectancy(Gender::Female, 20));
        QVERIFY(lifeExpectancy(Gender::Female, 80) > 8.58 &&
                8.58 > lifeExpectancy(Gender::Female, 82));
    }

    void bothColumnsFallStrictlyWithAge() {
        for (Gender gender : {Gender::Male, Gender::Female}) {
            for (int age = kFirstTableAge + 1; age <= kLastTableAge; ++age) {
                QVERIFY2(lifeExpectancy(gender, age) < lifeExpectancy(gender, age - 1),
                         qPrintable(QStringLiteral("age %1").arg(age)));
            }
        }
    }

    void everyValueHasAtMostTwoDecimals() {
        for (const LifeExpectancyRow& row : kAgeTable) {
            for (double years : {row.male, row.female}) {
                QCOMPARE(std::round(years * 100) / 100, years);
            }
        }
    }

    void agesOutsideTheTableAreRefused() {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, lifeExpectancy(Gender::Male, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, lifeExpectancy(Gender::Female, 111));
    }
};

QTEST_APPLESS_MAIN(TestLifeExpectancy)
#include "test_lifeexpectancy.moc"
