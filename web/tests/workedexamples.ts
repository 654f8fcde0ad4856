// The calculators' worked examples as an operator keys them in, with every
// field the window shows afterwards. The figures are those the desktop's
// tests hold for the same examples (tests/interest, tests/presentvalue,
// tests/offsets, tests/commutation, tests/subrogation).

// Types `text` into the field that has the focus (it must be `field`), then
// presses `key`: Tab goes on as the window sends it, Enter presses the
// window's default button.
export interface Keyed {
  field: string;
  text: string;
  key: "Tab" | "Enter";
}
// Presses a button: with the mouse, or with Enter once the focus is on it.
export interface Pressed {
  button: string;
  by: "click" | "Enter";
}
export type Step = Keyed | Pressed;

export interface WorkedExample {
  name: string;
  window: string;
  steps: Step[];
  // Every field of the window that is not empty, as shown; a list's lines.
  shows: Record<string, string | string[]>;
}

const tab = (field: string, text: string): Keyed => ({ field, text, key: "Tab" });
const enter = (field: string, text: string): Keyed => ({ field, text, key: "Enter" });
const click = (button: string): Pressed => ({ button, by: "click" });
const press = (button: string): Pressed => ({ button, by: "Enter" });

export const caption = "Smith v. Acme Mills";

// The ledger's first period, paid in part on 06/30/2005.
const firstPeriod: Step[] = [
  tab("txtBeginningDate", "010104"),
  tab("txtEndingDate", "12/31/2004"),
  tab("txtRate", "500"),
  tab("txtPaymentDate", "06/30/2005"),
  tab("txtPaymentAmount", "1000"),
  tab("txtCaseCaption", caption),
  press("cmdCalculate"),
];

const ledgerFirstLine =
  "01/01/04  12/31/04  06/30/05      1,000.00    52     2    500.00   26,142.86  1,325.00  " +
  "1,381.02   28,848.88   27,848.88";
const ledgerSecondLine =
  "01/01/05  01/28/05  12/31/05             0     4     0    500.00    2,000.00      9.62  " +
  "1,611.51    3,621.12    3,621.12";
const ledgerTotals =
  "Totals: Payments=$1,000.00  Accrued=$1,334.62  Simple=$2,992.53  Comp=$28,142.86 " +
  "Amount=32,470.00  Net=$31,470.00";

// The first period saved, then the next: from the day after, unpaid, its
// interest running on the first's balance to 12/31/2005.
export const ledgerSteps: Step[] = [
  ...firstPeriod,
  click("cmdSave"),
  click("cmdNextEntry"),
  tab("txtBeginningDate", ""),
  tab("txtEndingDate", "01/28/2005"),
  tab("txtRate", "500"),
  tab("txtPaymentDate", "12/31/2005"),
  tab("txtPaymentAmount", ""),
  click("cmdCalculate"),
  click("cmdSave"),
];

export const workedExamples: WorkedExample[] = [
  {
    name: "compensation and interest, one period",
    window: "CalculationForm",
    steps: firstPeriod,
    shows: {
      txtBeginningDate: "01/01/2004",
      txtEndingDate: "12/31/2004",
      txtRate: "500.00",
      txtPaymentDate: "06/30/2005",
      txtPaymentAmount: "1000",
      txtCaseCaption: caption,
      txtTotalDays: "366",
      txtWeeks: "52",
      lblDays: "2",
      txtTotalComp: "26,142.86",
      txtAccruedInterest: "1,325.00",
      txtSimpleInterest: "1,381.02",
      txtSimpleDays: "181",
      txtTotalAmount: "28,848.88",
      txtNetAmount: "27,848.88",
    },
  },
  {
    name: "compensation and interest, a ledger of two periods",
    window: "CalculationForm",
    steps: ledgerSteps,
    shows: {
      txtBeginningDate: "01/01/2005",
      txtEndingDate: "01/28/2005",
      txtRate: "500.00",
      txtPaymentDate: "12/31/2005",
      txtCaseCaption: caption,
      txtTotalDays: "28",
      txtWeeks: "4",
      lblDays: "0",
      txtTotalComp: "2,000.00",
      txtAccruedInterest: "9.62",
      txtSimpleInterest: "1,611.51",
      txtSimpleDays: "521",
      txtTotalAmount: "3,621.12",
      txtNetAmount: "3,621.12",
      List1: [ledgerFirstLine, ledgerSecondLine, "", ledgerTotals],
    },
  },
  {
    name: "present value by dates",
    window: "frmPresentValue",
    steps: [
      tab("txtFromDate", "1/1/2005"),
      tab("txtToDate", "01/01/2006"),
      tab("txtRate", "500"),
      enter("txtInterestRate", ""),
    ],
    shows: {
      txtFromDate: "01/01/2005",
      txtToDate: "01/01/2006",
      txtWeeks: "52.1428571428571",
      txtRate: "500.00",
      txtInterestRate: " .05",
      txtTotalComp: "26,071.43",
      txtPresentValue: "25,348.82",
    },
  },
  {
    name: "present value by weeks",
    window: "frmPresentValue",
    steps: [
      tab("txtFromDate", "01/01/2005"),
      tab("txtToDate", ""),
      tab("txtWeeks", "52"),
      tab("txtRate", "500"),
      enter("txtInterestRate", "6"),
    ],
    shows: {
      txtFromDate: "01/01/2005",
      txtToDate: "12/31/2005",
      txtWeeks: "52",
      txtRate: "500.00",
      txtInterestRate: " .06",
      txtTotalComp: "26,000.00",
      txtPresentValue: "25,221.25",
    },
  },
  {
    name: "present value by life expectancy",
    window: "frmPresentValue",
    steps: [
      tab("txtFromDate", "01012005"),
      tab("txtToDate", ""),
      tab("txtWeeks", ""),
      tab("txtAge", "45"),
      tab("txtGender", "m"),
      enter("txtRate", "500"),
    ],
    shows: {
      txtFromDate: "01/01/2005",
      txtToDate: "8/28/2035",
      txtWeeks: "1599.3725",
      txtAge: "45",
      txtGender: "M",
      txtRate: "500",
      txtInterestRate: " .05",
      txtTotalComp: "799,686.25",
      txtPresentValue: "408,160.20",
    },
  },
  {
    name: "social security offset",
    window: "frmSocialSecurity",
    steps: [tab("txtSocialSecurity", "1000"), tab("txtRate", "500"), click("cmdSSCalculate")],
    shows: { txtSocialSecurity: "1000", txtRate: "500.00", txtNewRate: "384.80" },
  },
  {
    name: "pension offset",
    window: "FrmPension",
    steps: [
      tab("txtMonthlyPension", "1200"),
      tab("txtEmployerPercent", "60"),
      tab("txtRate", "500"),
      click("cmdSSCalculate"),
    ],
    shows: {
      txtMonthlyPension: "1200",
      txtEmployerPercent: "60",
      txtRate: "500.00",
      txtNewWeeklyRate: "$334.10",
    },
  },
  {
    name: "lump sum offset",
    window: "frmOffset",
    steps: [
      tab("txtBeginningDate", "010504"),
      tab("txtRate", "400"),
      enter("txtNetOffsetAmount", "5,000.00"),
    ],
    shows: {
      txtBeginningDate: "01/05/2004",
      txtRate: "400",
      txtNetOffsetAmount: "5,000.00",
      txtComputedWeeks: "12",
      txtComputedDays: "3",
      txtComputedEndDate: "03/31/2004",
      txtRemainder: "$28.57",
    },
  },
  {
    name: "commutation",
    window: "frmCommutation",
    steps: [
      tab("txtBeginningDate", "1/5/04"),
      tab("txtCommWeeks", "104"),
      enter("txtCommAmount", "$52,000"),
    ],
    shows: {
      txtBeginningDate: "01/05/2004",
      txtCommWeeks: "104",
      txtCommAmount: "$52,000",
      txtComputedEndDate: "01/02/2006",
      txtComputedRate: "500.00",
    },
  },
  {
    name: "subrogation with a lien",
    window: "frmSubrogation",
    steps: [
      tab("txtTotalRecovery", "100000"),
      tab("txtCostsAndFees", "40000"),
      tab("txtRate", "450"),
      enter("txtLienAmount", "30000"),
    ],
    shows: {
      txtTotalRecovery: "100000",
      txtCostsAndFees: "40000",
      txtRate: "450",
      txtLienAmount: "30000",
      txtLienRecovery: "18,000.00",
      txtNewWeeklyRate: "$180.00",
      txtForWeeks: "155 / 3",
    },
  },
  {
    name: "subrogation with an agreed recovery",
    window: "frmSubrogation",
    steps: [
      tab("txtTotalRecovery", "100000"),
      tab("txtCostsAndFees", "40000"),
      tab("txtRate", "450"),
      tab("txtLienAmount", ""),
      enter("txtLienRecovery", "20000"),
    ],
    shows: {
      txtTotalRecovery: "100000",
      txtCostsAndFees: "40000",
      txtRate: "450",
      txtLienRecovery: "20000",
      txtNewWeeklyRate: "$180.00",
      txtForWeeks: "177 / 5",
    },
  },
];
