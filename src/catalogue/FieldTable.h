#pragma once

#include <QList>
#include <QRect>
#include <QString>

// The 16 faculties and 46 fields of study by which tabs 0 and 2 file their samples.
// A field's index is its position in every category mask of those pages.
class FieldTable
{
public:
    static constexpr int FieldCount = 46;
    static constexpr int FacultyCount = 16;

    struct Faculty
    {
        int labelId;
        int arrowId;
        QString name;
        QRect labelRect; // dialog units
        QRect arrowRect; // dialog units; the arrow picture keeps its own size
        int menuId;      // 0: a single field, selected at once
        QList<int> fields;
    };

    struct Field
    {
        int index;
        int commandId; // 0: no menu item; chosen by its faculty's label
        int faculty;
        QString name;
    };

    static const QList<Faculty>& faculties();
    static const QList<Field>& fields();

    // "文学部　＞　文学分野": faculty, ideographic space, full-width '>', ideographic space, field.
    static QString Caption(int fieldIndex);
};
