#pragma once
// The birthday lists of the main window: all persons (DBGridEh2), this
// year's birthdays of everyone (DBGridEh1), the selected person's
// birthdays (DBGridEh3) with the person's picture (Image3), and deleting a
// person from the persons list's context menu.
//
// The main window makes the three grids and the picture box where they
// belong and hands them over; this object sets them up, owns the queries
// and the context menu, and answers the grids' clicks itself.

#include "GridColumn.h"

#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QMenu;

namespace qh {

class TADOQuery;
class TDBGridEh;

class TBirthdayLists : public QObject {
    Q_OBJECT
public:
    TBirthdayLists(TDBGridEh* DBGridEh2, TDBGridEh* DBGridEh1, TDBGridEh* DBGridEh3, QLabel* Image3,
                   QObject* parent = nullptr);

    // The main window was shown: this year's list, then the lists of its
    // first person. An error goes to the general error report.
    void FormShow();

    // Refreshes the lists: the persons list re-read when `Name` is empty
    // (opened when not open yet otherwise), this year's list, and the
    // person's list and picture of `Name`, or of this year's first person
    // when `Name` is empty. Throws TStoreError, e.g. for a picture nothing
    // can decode (the lists are updated by then, the old picture stays).
    void ShowPersonBirthdays(const QString& Name);

    // The grids' events; errors go to the general error report.
    void DBGridEh2CellClick(int column);
    void DBGridEh1TitleBtnClick(int ACol, TColumnEh* Column);
    void DBGridEh2TitleBtnClick(int ACol, TColumnEh* Column);
    void DBGridEh3TitleBtnClick(int ACol, TColumnEh* Column);
    // "删除" of the persons list's context menu: deletes the current person.
    void N6Click();

    TADOQuery* query_nlbirthday;
    TADOQuery* query_jnglsr;
    TADOQuery* query_all;
    TADOQuery* ADOQuery_YH;
    TADOQuery* ADOQuery1;
    QMenu* PopupMenu3;
    QAction* N6;

private:
    void SetUpGrids();
    // The persons list: re-read when `name` is empty, else opened when not
    // open yet.
    void OpenPersons(const QString& name);
    void OpenBirthdaysOfYear();
    // The person's list and picture.
    void ShowPerson(const QString& name);
    void ShowPicture(const QString& name);
    void DeletePerson(const QString& name);

    TDBGridEh* DBGridEh2;
    TDBGridEh* DBGridEh1;
    TDBGridEh* DBGridEh3;
    QLabel* Image3;
};

// A title click's sort: the query's rows by the column's field, ascending
// unless the marker shows up; a marker at none is first set to down.
// Errors of the sort are ignored.
void SortByTitle(TADOQuery& query, TColumnEh& column);

} // namespace qh
