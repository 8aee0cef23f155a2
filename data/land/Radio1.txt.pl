wybrać po prostu losowo
użyć najrzadziej losowanej liczby marzeń
użyć liczby marzeń najdłużej czekającej na wylosowanie
użyć najczęściej losowanej liczby marzeń
