#pragma once

// A dialog made for one command: owned by the application rather than by a window, held in
// its unit variable while it exists, and freed with the variable cleared on every path out
// of the command, also when an error escapes it.
template <typename Form>
class ScopedForm {
public:
    explicit ScopedForm(Form *&unitVariable)
        : m_variable(unitVariable)
    {
        m_variable = new Form;
    }
    ~ScopedForm()
    {
        Form *form = m_variable;
        m_variable = nullptr;
        delete form;
    }
    ScopedForm(const ScopedForm &) = delete;
    ScopedForm &operator=(const ScopedForm &) = delete;

    Form *operator->() const { return m_variable; }
    Form *get() const { return m_variable; }

private:
    Form *&m_variable;
};
